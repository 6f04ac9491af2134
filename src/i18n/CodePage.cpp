#include "i18n/CodePage.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#else
#include <iconv.h>
#endif

#ifdef Q_OS_WIN

namespace {
const UINT GbkCodePage = 936;
}

bool CodePage::toUnicode(const QByteArray &bytes, QString &text)
{
    text.clear();
    if (bytes.isEmpty())
        return true;
    const int length = MultiByteToWideChar(GbkCodePage, MB_ERR_INVALID_CHARS, bytes.constData(),
                                           int(bytes.size()), nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(GbkCodePage, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                        wide.data(), length);
    text = QString::fromWCharArray(wide.data(), length);
    return true;
}

bool CodePage::fromUnicode(const QString &text, QByteArray &bytes)
{
    bytes.clear();
    if (text.isEmpty())
        return true;
    const std::wstring wide = text.toStdWString();
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(GbkCodePage, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    bytes.resize(length);
    WideCharToMultiByte(GbkCodePage, 0, wide.data(), int(wide.size()), bytes.data(), length, nullptr,
                        &lossy);
    return !lossy;
}

#else

namespace {

// Runs iconv over the whole input; fails on any byte sequence it cannot convert.
bool convert(const char *to, const char *from, const QByteArray &in, QByteArray &out)
{
    out.clear();
    if (in.isEmpty())
        return true;
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return false;
    QByteArray buffer(in.size() * 4 + 16, Qt::Uninitialized);
    char *inPtr = const_cast<char *>(in.constData());
    size_t inLeft = size_t(in.size());
    char *outPtr = buffer.data();
    size_t outLeft = size_t(buffer.size());
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == size_t(-1) || inLeft != 0)
        return false;
    buffer.truncate(buffer.size() - qsizetype(outLeft));
    out = buffer;
    return true;
}

}

bool CodePage::toUnicode(const QByteArray &bytes, QString &text)
{
    QByteArray utf8;
    text.clear();
    if (!convert("UTF-8", "GBK", bytes, utf8))
        return false;
    text = QString::fromUtf8(utf8);
    return true;
}

bool CodePage::fromUnicode(const QString &text, QByteArray &bytes)
{
    if (!convert("GBK", "UTF-8", text.toUtf8(), bytes)) {
        bytes.clear();
        return false;
    }
    return true;
}

#endif
