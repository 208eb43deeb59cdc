#pragma once

#include <QImage>

// The artwork picture with a numeric resource ID; null when it is not
// compiled into this program.
QImage ResourceImage(int id);
