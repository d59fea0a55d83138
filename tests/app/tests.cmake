quaderlo_test(tst_avvio app/tst_Avvio.cpp)
