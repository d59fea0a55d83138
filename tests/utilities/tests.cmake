quaderlo_test(tst_nuovoanno utilities/tst_NuovoAnno.cpp)
