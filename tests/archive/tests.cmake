quaderlo_test(tst_frmmodifica archive/tst_frmModifica.cpp archive/Archivi.cpp)
quaderlo_test(tst_archivio archive/tst_Archivio.cpp archive/Archivi.cpp)
quaderlo_test(tst_copiesicurezza archive/tst_CopieSicurezza.cpp)
quaderlo_test(tst_importaalunni archive/tst_ImportaAlunni.cpp archive/Archivi.cpp)
