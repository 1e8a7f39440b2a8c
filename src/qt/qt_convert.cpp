// Conversions between the window layer's plain types and Qt's.
#include "qt/qt_convert.h"

#include <QRegularExpression>
#include <cstring>

namespace qd470::qt {

QString ToQString(const std::string& text) {
  QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (out.contains(QLatin1Char('\r'))) {
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  }
  return out;
}

QString ToListEntry(const std::string& text) {
  QString out = ToQString(text).trimmed();
  if (!out.contains(QLatin1Char('\n'))) return out;  // most entries: no expression to run
  static const QRegularExpression kLineBreak(QStringLiteral("\\s*\\n\\s*"));
  out.replace(kLineBreak, QStringLiteral(" "));
  return out;
}

QImage ToQImage(const forms::Image& image) {
  if (image.Empty() ||
      image.argb.size() < static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
    return {};
  }
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    std::memcpy(out.scanLine(y), image.argb.data() + static_cast<size_t>(y) * image.width,
                static_cast<size_t>(image.width) * sizeof(uint32_t));
  }
  return out;
}

forms::Image FromQImage(const QImage& image) {
  forms::Image out;
  if (image.isNull()) return out;
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  out.width = argb.width();
  out.height = argb.height();
  out.argb.resize(static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
  for (int y = 0; y < out.height; ++y) {
    std::memcpy(out.argb.data() + static_cast<size_t>(y) * out.width, argb.constScanLine(y),
                static_cast<size_t>(out.width) * sizeof(uint32_t));
  }
  return out;
}

}  // namespace qd470::qt
