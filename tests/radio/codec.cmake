zq_add_test(radio_codec_test
  radio/TBWriteReadTest.cpp
)
