#include "ui/hyper_link.h"

#include <QDesktopServices>
#include <QUrl>

namespace tallowen {

void openLink(const QString& link) { QDesktopServices::openUrl(QUrl(link)); }

}  // namespace tallowen
