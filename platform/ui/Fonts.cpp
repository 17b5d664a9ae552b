#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QWidget>

namespace ui {

namespace {

struct FontName {
    const char16_t* original;
    const char* face;
};
constexpr FontName kFontNames[] = {
    {u"ＭＳ ゴシック", "IPAGothic"},
    {u"ＭＳ Ｐゴシック", "IPAPGothic"},
};

}  // namespace

QString fontFamily(const QString& name) {
    for (const FontName& f : kFontNames)
        if (name == QString::fromUtf16(f.original)) return QString::fromLatin1(f.face);
    return name;
}

QFont vbFont(const QString& name, int pointSize) { return QFont(fontFamily(name), pointSize); }

QFont windowFont() { return vbFont(QStringLiteral("ＭＳ Ｐゴシック"), 9); }

void installFonts() {
    for (const FontName& f : kFontNames)
        QFont::insertSubstitution(QString::fromUtf16(f.original), QString::fromLatin1(f.face));
    QApplication::setFont(windowFont());
}

void narrowText(QWidget* control, int percent) {
    QFont font = control->font();
    font.setStretch(percent);
    control->setFont(font);
}

}  // namespace ui
