quaderlo_test(tst_blocchetto printing/tst_Blocchetto.cpp)
