target_sources(zq410gui PRIVATE
  report/ReportRenderer.h report/ReportRenderer.cpp
  report/ReportPreview.h report/ReportPreview.cpp
  report/TPrint.h report/TPrint.cpp
  report/PrintCodeplug.h report/PrintCodeplug.cpp
)
