// Writes the program icon as PNG files for the hicolor icon theme:
//   ostrane-make-icons DIR SIZE...
// makes DIR/SIZExSIZE/apps/ostrane.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "ui/widgets/Pictures.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: ostrane-make-icons DIR SIZE...\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
      std::fprintf(stderr, "ostrane-make-icons: not an icon size: %s\n", argv[i]);
      return 2;
    }
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    const QString file = dir + "/ostrane.png";
    if (!QDir().mkpath(dir) || !ostrane::DrawProgramIcon(size).save(file, "PNG")) {
      std::fprintf(stderr, "ostrane-make-icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
