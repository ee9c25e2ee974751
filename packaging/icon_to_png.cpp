// Writes the window's icon as the PNG that desktop icon themes expect, so
// the menu entry and the window show one and the same picture.
#include <QImage>
#include <QString>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const QImage icon(QString::fromLocal8Bit(argv[1]));
  return !icon.isNull() && icon.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
