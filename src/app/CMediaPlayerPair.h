#pragma once

#include "app/IPlayerPair.h"
#include "playback/CMediaPlayer.h"

// The two players of the video library, made primary first.
class CMediaPlayerPair final : public IPlayerPair {
public:
    CMediaPlayerPair();
    ~CMediaPlayerPair() override;

    IMediaPlayer& Primary() override { return m_primary; }
    IMediaPlayer& Partner() override { return m_partner; }
    bool IsPrimaryPaused() const override { return m_primary.IsUsable() && m_primary.IsPaused(); }
    bool IsPartnerPaused() const override { return m_partner.IsUsable() && m_partner.IsPaused(); }
    void TakeSnapshot(const std::string& utf8Path) override;
    void Destroy() override;

private:
    CMediaPlayer m_primary;
    CMediaPlayer m_partner;
};
