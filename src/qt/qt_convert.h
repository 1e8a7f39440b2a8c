// Conversions between the window layer's plain types and Qt's: texts, colours and images.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>

#include "forms/image.h"

namespace qd470::qt {

// A caption of the window layer as Qt shows it: UTF-8, CR LF (or a lone CR) as a line break.
QString ToQString(const std::string& text);
// One line of a list: the line breaks of an entry are dropped at its ends and read as a blank
// inside it, so that every entry shows on its own single line.
QString ToListEntry(const std::string& text);
inline std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

// 0xRRGGBB of the window layer as an opaque colour.
inline QColor ToQColor(uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

QImage ToQImage(const forms::Image& image);
forms::Image FromQImage(const QImage& image);

}  // namespace qd470::qt
