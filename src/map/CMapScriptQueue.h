#pragma once

#include <QString>
#include <QTimer>

#include <functional>
#include <string>
#include <string_view>

// Script calls on their way to the map page. Loading a recording sends one
// call per GPS point (36,000 for an hour), and every trip into the page costs
// far more than the call itself, so the calls made during one turn of the
// event loop travel together as one script, in the order they were made.
//
// Calls follow the page they were made for: before any page is asked for
// there is nothing to draw on and they are dropped; while a page loads they
// wait for it; asking for a new page drops what the old one has not received
// yet, since the new page starts empty anyway.
class CMapScriptQueue {
public:
    // `run` receives each batch; it is called from the event loop, never
    // from Add.
    explicit CMapScriptQueue(std::function<void(const QString&)> run);

    void Add(std::string_view call);

    void PageRequested();
    void PageLoaded();
    void PageFailed();

private:
    enum class PageState { None, Loading, Ready };

    void ScheduleFlush();
    void Flush();

    std::function<void(const QString&)> m_run;
    std::string m_pending;
    PageState m_page = PageState::None;
    QTimer m_flushTimer;
};
