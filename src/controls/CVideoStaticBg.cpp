#include "controls/CVideoStaticBg.h"

CVideoStaticBg::CVideoStaticBg(QWidget* parent) : CVideoPanel(parent) {}
