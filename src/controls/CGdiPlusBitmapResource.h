#pragma once

#include <QImage>
#include <QString>

// One PNG of the program's artwork, loaded by its resource ID.
class CGdiPlusBitmapResource {
public:
    // Where the artwork with this ID lives among the program's resources.
    static QString ResourcePath(unsigned id);

    // Empties the holder, then loads the image. False when there is no such
    // image or it does not decode; the holder then stays empty.
    bool Load(unsigned id);
    void Empty() { m_image = QImage(); }
    bool IsEmpty() const { return m_image.isNull(); }
    // Premultiplied ARGB; null while empty.
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};
