quaderlo_test(tst_blocchetto printing/tst_Blocchetto.cpp)
quaderlo_test(tst_stampapdf printing/tst_StampaPdf.cpp)
quaderlo_test(tst_frmanteprima printing/tst_frmAnteprima.cpp)
quaderlo_test(tst_stampacups printing/tst_StampaCups.cpp)
