// The font looked up in the font database.
#include "ui/qt/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace pmsect {

QFont fixedPitchFont(const std::string& family, double pointSize) {
    const QString name = QString::fromStdString(family);
    QFont font = QFontDatabase::families().contains(name, Qt::CaseInsensitive)
                     ? QFont(name)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace pmsect
