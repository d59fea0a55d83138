quaderlo_test(tst_frmmodifica archive/tst_frmModifica.cpp archive/Archivi.cpp)
quaderlo_test(tst_archivisicuri archive/tst_ArchiviSicuri.cpp archive/Archivi.cpp)
quaderlo_test(tst_elenchinomi archive/tst_ElenchiNomi.cpp archive/Archivi.cpp)
quaderlo_test(tst_copiesicurezza archive/tst_CopieSicurezza.cpp)
