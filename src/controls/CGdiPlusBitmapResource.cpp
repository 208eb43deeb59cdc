#include "controls/CGdiPlusBitmapResource.h"

QString CGdiPlusBitmapResource::ResourcePath(unsigned id)
{
    return QStringLiteral(":/images/%1.png").arg(id);
}

bool CGdiPlusBitmapResource::Load(unsigned id)
{
    Empty();
    const QImage loaded(ResourcePath(id));
    if (loaded.isNull())
        return false;
    // Every control draws and composes in this format; converting once here
    // spares each paint a conversion.
    m_image = loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return true;
}
