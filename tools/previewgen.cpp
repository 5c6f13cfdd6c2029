// Draws the preview pictures of the blank forms into a folder:
//   previewgen <folder>
// One JPEG per page and orientation, the envelope's per size (the lying picture is the
// standing one turned a quarter turn), and the front and back pictures of the money-order,
// cash-on-delivery and return-receipt pages. Fails with a message when a picture cannot be
// written.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <functional>

#include "forms.h"
#include "sheet.h"

namespace {

struct Picture {
  const char* standing;  // file name of the standing picture, or null
  const char* lyingName; // file name of the lying picture, or null
  std::function<QImage()> draw;
};

const Picture kPictures[] = {
    {"csekkkepallo.jpg", "csekkkepfekvo.jpg", forms::sargaCsekk},
    {"Tertikepallo.jpg", "Tertikepfekvo.jpg", forms::tertivevenyBelfoldi},
    {"Feladokepallo.jpg", "Feladokepfekvo.jpg", forms::feladoveveny},
    {"Boritekkepallo.jpg", "Boritekkepfekvo.jpg", forms::boritekC6},
    {"BoritekkepC5allo.jpg", "BoritekkepC5fekvo.jpg", forms::boritekC5},
    {"BoritekkepC56allo.jpg", "BoritekkepC56fekvo.jpg", forms::boritekC56},
    {"cimkekep.jpg", nullptr, forms::etikettIv},
    {"Iratkepallo.jpg", "Iratkepfekvo.jpg", forms::tertiIrathoz},
    {"RcsekkkepAllo.jpg", "RcsekkkepFekvo.jpg", forms::rozsaszinElol},
    {"UtanveteliLapAllo.jpg", "UtanveteliLapfekvo.jpg", forms::utanvetelElol},
    {"RozsaszinCsekk.jpg", nullptr, forms::rozsaszinElol},
    {"RCsekkHatul.jpg", nullptr, forms::rozsaszinHatul},
    {"UtanveteliLap.jpg", nullptr, forms::utanvetelElol},
    {"utanvetelihatulja.jpg", nullptr, forms::utanvetelHatul},
    {"Terti.jpg", nullptr, forms::tertivevenyBelfoldi},
    {"KTerti.jpg", nullptr, forms::tertivevenyKulfoldi},
};

bool save(const QImage& img, const QString& path, QTextStream& err) {
  QImageWriter w(path, "jpeg");
  w.setQuality(88);
  if (!w.write(img)) {
    err << "HIBA: " << path << ": " << w.errorString() << '\n';
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (app.arguments().size() != 2) {
    err << "Használat: previewgen <mappa>\n";
    return 2;
  }
  const QDir dir(app.arguments()[1]);
  if (!QDir().mkpath(dir.path())) {
    err << "HIBA: a mappa nem hozható létre: " << dir.path() << '\n';
    return 1;
  }
  for (const Picture& p : kPictures) {
    const QImage img = p.draw();
    if (!save(img, dir.filePath(p.standing), err)) return 1;
    if (p.lyingName && !save(lying(img), dir.filePath(p.lyingName), err)) return 1;
  }
  return 0;
}
