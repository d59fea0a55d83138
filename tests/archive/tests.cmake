quaderlo_test(tst_frmmodifica archive/tst_frmModifica.cpp archive/Archivi.cpp)
quaderlo_test(tst_archivisicuri archive/tst_ArchiviSicuri.cpp archive/Archivi.cpp)
quaderlo_test(tst_elenchinomi archive/tst_ElenchiNomi.cpp archive/Archivi.cpp)
quaderlo_test(tst_importaalunni archive/tst_ImportaAlunni.cpp archive/Archivi.cpp)
