target_sources(zq410gui PRIVATE
  about/TfFrmAbout.h about/TfFrmAbout.cpp
)
