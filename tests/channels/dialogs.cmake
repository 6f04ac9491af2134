find_package(Qt6 REQUIRED COMPONENTS Test)

zq_add_test(channel_dialogs_test
  channels/TfBInfoEditTest.cpp
  channels/TfBBatchEditTest.cpp
  channels/DialogCodeplugTest.cpp
  settings/GuiEnvironment.cpp
  LIBS zq410gui Qt6::Test)
