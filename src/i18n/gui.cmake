target_sources(zq410gui PRIVATE
  i18n/FormLanguage.h i18n/FormLanguage.cpp
  i18n/TfSetLanguage.h i18n/TfSetLanguage.cpp
)
