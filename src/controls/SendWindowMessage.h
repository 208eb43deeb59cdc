#pragma once

class QWidget;

// Hands the message (both parameters 0) to the window the control sits in
// and returns only when that window has handled it, so the control goes on
// with the window already up to date.
void SendWindowMessage(QWidget& from, int message);
