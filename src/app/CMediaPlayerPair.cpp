#include "app/CMediaPlayerPair.h"

CMediaPlayerPair::CMediaPlayerPair()
{
    m_primary.Create();
    m_partner.Create();
}

CMediaPlayerPair::~CMediaPlayerPair()
{
    Destroy();
}

void CMediaPlayerPair::TakeSnapshot(const std::string& utf8Path)
{
    if (m_primary.IsUsable())
        m_primary.TakeSnapshot(utf8Path);
}

void CMediaPlayerPair::Destroy()
{
    m_primary.Destroy();
    m_partner.Destroy();
}
