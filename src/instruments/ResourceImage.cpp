#include "instruments/ResourceImage.h"

#include <QString>

QImage ResourceImage(int id) { return QImage(QStringLiteral(":/images/%1.png").arg(id)); }
