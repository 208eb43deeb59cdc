#include "map/CMapScriptQueue.h"

#include <utility>

CMapScriptQueue::CMapScriptQueue(std::function<void(const QString&)> run)
    : m_run(std::move(run))
{
    // A zero timer fires once the events already waiting are handled, so
    // everything the current turn adds is still in the batch.
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(0);
    QObject::connect(&m_flushTimer, &QTimer::timeout, [this] { Flush(); });
}

void CMapScriptQueue::Add(std::string_view call)
{
    if (m_page == PageState::None)
        return;
    // Each call guarded on its own, so one that fails (a function the page
    // lacks, an argument that is not a number) does not stop those after it.
    // The line breaks keep a trailing comment in a call from swallowing the
    // guard.
    m_pending += "try{\n";
    m_pending += call;
    m_pending += "\n}catch(e){}\n";
    if (m_page == PageState::Ready)
        ScheduleFlush();
}

void CMapScriptQueue::PageRequested()
{
    m_pending.clear();
    m_page = PageState::Loading;
}

void CMapScriptQueue::PageLoaded()
{
    m_page = PageState::Ready;
    ScheduleFlush();
}

void CMapScriptQueue::PageFailed()
{
    m_pending.clear();
    m_page = PageState::None;
}

void CMapScriptQueue::ScheduleFlush()
{
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void CMapScriptQueue::Flush()
{
    if (m_page != PageState::Ready || m_pending.empty())
        return;
    const QString script = QString::fromUtf8(m_pending);
    m_pending.clear();
    m_run(script);
}
