quaderlo_test(tst_textfile platform/tst_TextFile.cpp)
