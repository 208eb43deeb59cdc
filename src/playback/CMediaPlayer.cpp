#include "playback/CMediaPlayer.h"

#include <vlc/vlc.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

#include <array>

namespace {

constexpr bool Same(PlayerEventType ours, libvlc_event_e library)
{
    return static_cast<int>(ours) == static_cast<int>(library);
}

static_assert(Same(PLAYER_MEDIA_STATE_CHANGED, libvlc_MediaStateChanged));
static_assert(Same(PLAYER_MEDIA_CHANGED, libvlc_MediaPlayerMediaChanged));
static_assert(Same(PLAYER_OPENING, libvlc_MediaPlayerOpening));
static_assert(Same(PLAYER_BUFFERING, libvlc_MediaPlayerBuffering));
static_assert(Same(PLAYER_PLAYING, libvlc_MediaPlayerPlaying));
static_assert(Same(PLAYER_PAUSED, libvlc_MediaPlayerPaused));
static_assert(Same(PLAYER_STOPPED, libvlc_MediaPlayerStopped));
static_assert(Same(PLAYER_END_REACHED, libvlc_MediaPlayerEndReached));
static_assert(Same(PLAYER_ENCOUNTERED_ERROR, libvlc_MediaPlayerEncounteredError));
static_assert(Same(PLAYER_TIME_CHANGED, libvlc_MediaPlayerTimeChanged));
static_assert(Same(PLAYER_POSITION_CHANGED, libvlc_MediaPlayerPositionChanged));
static_assert(Same(PLAYER_SEEKABLE_CHANGED, libvlc_MediaPlayerSeekableChanged));

constexpr std::array kAttachedEvents = {
    PLAYER_POSITION_CHANGED, PLAYER_SEEKABLE_CHANGED, PLAYER_TIME_CHANGED, PLAYER_MEDIA_STATE_CHANGED,
    PLAYER_MEDIA_CHANGED,    PLAYER_OPENING,          PLAYER_BUFFERING,    PLAYER_PLAYING,
    PLAYER_PAUSED,           PLAYER_STOPPED,          PLAYER_END_REACHED,  PLAYER_ENCOUNTERED_ERROR,
};

// The plug-ins are the system's; the library finds them itself (VLC_PLUGIN_PATH overrides).
constexpr std::array<const char*, 3> kStandardArguments = {"-I", "dummy", "--ignore-config"};
constexpr std::array<const char*, 1> kAlternateArguments = {""};

// The library reads the colour as 0xRRGGBB: an alpha byte on top makes the
// text vanish; opacity is a separate setting.
constexpr int kMarqueeGreen = 0x00FF00;

} // namespace

CMediaPlayer::~CMediaPlayer()
{
    Destroy();
}

void CMediaPlayer::Create()
{
    m_instance = nullptr;
    m_player = nullptr;
    m_media = nullptr;
    m_eventManager = nullptr;
    m_eventContext = nullptr;
    m_eventCallback = nullptr;
    m_rate = 1.0f;
    m_playing = false;
    m_paused = true;
    m_argumentSet = 0;
    m_volume = 200;
    m_usable = m_module.Load() && CreatePlayer();
    if (m_usable) {
        VLC_ENTRY(m_module, libvlc_audio_set_volume)(m_player, m_volume);
        return;
    }
    ReleasePlayer();
    m_module.Unload();
}

void CMediaPlayer::Destroy()
{
    if (!m_usable)
        return;
    ReleasePlayer();
    m_usable = false;
    m_module.Unload();
}

void CMediaPlayer::ReleasePlayer()
{
    ReleaseMedia();
    // Releasing the player stops it and joins its threads, so no event
    // callback runs once this returns.
    if (m_player)
        VLC_ENTRY(m_module, libvlc_media_player_release)(m_player);
    if (m_instance)
        VLC_ENTRY(m_module, libvlc_release)(m_instance);
    m_player = nullptr;
    m_instance = nullptr;
    m_eventManager = nullptr;
}

bool CMediaPlayer::CreatePlayer()
{
    const char* const* arguments = m_argumentSet == 0 ? kStandardArguments.data() : kAlternateArguments.data();
    const int count = static_cast<int>(m_argumentSet == 0 ? kStandardArguments.size() : kAlternateArguments.size());
    m_instance = VLC_ENTRY(m_module, libvlc_new)(count, arguments);
    if (!m_instance)
        return false;
    m_player = VLC_ENTRY(m_module, libvlc_media_player_new)(m_instance);
    if (!m_player)
        return false;
    m_eventManager = VLC_ENTRY(m_module, libvlc_media_player_event_manager)(m_player);
    return m_eventManager != nullptr;
}

int CMediaPlayer::Recreate(int argumentSet)
{
    m_argumentSet = argumentSet;
    // A player that never had a media has nothing to drop.
    if (!m_usable || !m_media)
        return 0;
    ReleasePlayer();
    m_playing = false;
    m_paused = false;

    if (!CreatePlayer()) {
        ReleasePlayer();
        m_usable = false;
        return 0;
    }
    if (m_eventCallback)
        AttachLibraryEvents();
    // The new player starts from the library's defaults; the program's
    // volume and rate must hold for it as they did for the old one.
    VLC_ENTRY(m_module, libvlc_audio_set_volume)(m_player, m_volume);
    VLC_ENTRY(m_module, libvlc_media_player_set_rate)(m_player, m_rate);
    return 1;
}

void CMediaPlayer::BindWindow(QWidget* surface)
{
    if (!m_usable || !surface)
        return;
    surface->setAttribute(Qt::WA_NativeWindow);
    VLC_ENTRY(m_module, libvlc_media_player_set_xwindow)(m_player, static_cast<std::uint32_t>(surface->winId()));
}

void CMediaPlayer::AttachEvents(void* context, PlayerEventCallback callback)
{
    if (!m_usable)
        return;
    m_eventContext = context;
    m_eventCallback = callback;
    AttachLibraryEvents();
}

void CMediaPlayer::AttachLibraryEvents()
{
    for (const int type : kAttachedEvents)
        VLC_ENTRY(m_module, libvlc_event_attach)(m_eventManager, type, &CMediaPlayer::Relay, this);
}

void CMediaPlayer::Relay(const libvlc_event_t* event, void* self)
{
    const auto* player = static_cast<const CMediaPlayer*>(self);
    CPlayerEvent relayed{.type = event->type};
    if (event->type == libvlc_MediaPlayerTimeChanged)
        relayed.newTime = event->u.media_player_time_changed.new_time;
    player->m_eventCallback(relayed, player->m_eventContext);
}

void CMediaPlayer::OpenMedia(const std::string& utf8Path)
{
    if (!m_usable)
        return;
    VLC_ENTRY(m_module, libvlc_audio_set_volume)(m_player, m_volume);
    m_mediaPath = utf8Path;
    // The player keeps its own reference to the media it plays; ours is
    // needed only until the next media replaces it.
    ReleaseMedia();
    m_media = VLC_ENTRY(m_module, libvlc_media_new_path)(m_instance, utf8Path.c_str());
    VLC_ENTRY(m_module, libvlc_media_add_option)(m_media, ":ffmpeg-hw");
    VLC_ENTRY(m_module, libvlc_media_player_set_media)(m_player, m_media);
    // Keys and clicks on the picture belong to the window, not to the library.
    VLC_ENTRY(m_module, libvlc_video_set_key_input)(m_player, 0);
    VLC_ENTRY(m_module, libvlc_video_set_mouse_input)(m_player, 0);
}

void CMediaPlayer::ReleaseMedia()
{
    if (m_media)
        VLC_ENTRY(m_module, libvlc_media_release)(m_media);
    m_media = nullptr;
}

void CMediaPlayer::Play()
{
    if (!m_usable)
        return;
    VLC_ENTRY(m_module, libvlc_media_player_play)(m_player);
    m_playing = true;
    m_paused = false;
}

void CMediaPlayer::Pause()
{
    if (!m_usable)
        return;
    m_playing = false;
    // Not the library's toggle: a player still opening would start instead of holding.
    VLC_ENTRY(m_module, libvlc_media_player_set_pause)(m_player, 1);
    m_paused = true;
}

void CMediaPlayer::Stop()
{
    if (!m_usable)
        return;
    VLC_ENTRY(m_module, libvlc_media_player_stop)(m_player);
    m_playing = false;
    m_paused = false;
}

std::int64_t CMediaPlayer::GetLength() const
{
    return m_usable ? VLC_ENTRY(m_module, libvlc_media_player_get_length)(m_player) : -1;
}

std::int64_t CMediaPlayer::GetTime() const
{
    return m_usable ? VLC_ENTRY(m_module, libvlc_media_player_get_time)(m_player) : -1;
}

int CMediaPlayer::GetVolume() const
{
    return m_usable ? VLC_ENTRY(m_module, libvlc_audio_get_volume)(m_player) : -1;
}

void CMediaPlayer::SetTime(std::int64_t ms)
{
    if (m_usable)
        VLC_ENTRY(m_module, libvlc_media_player_set_time)(m_player, ms);
}

void CMediaPlayer::SetRate(float rate)
{
    if (!m_usable)
        return;
    m_rate = rate;
    VLC_ENTRY(m_module, libvlc_media_player_set_rate)(m_player, rate);
}

void CMediaPlayer::SetVolume(int volume)
{
    if (!m_usable)
        return;
    VLC_ENTRY(m_module, libvlc_audio_set_volume)(m_player, volume);
    m_volume = volume;
}

void CMediaPlayer::SetMute(bool mute)
{
    if (m_usable)
        VLC_ENTRY(m_module, libvlc_audio_set_mute)(m_player, mute ? 1 : 0);
}

void CMediaPlayer::TakeSnapshot(const std::string& utf8Path)
{
    if (!m_usable)
        return;
    const QString target = QString::fromStdString(utf8Path);
    if (QFileInfo(target).suffix().compare("png", Qt::CaseInsensitive) == 0) {
        WriteSnapshot(utf8Path);
        return;
    }
    // The library encodes every snapshot as PNG whatever the name says, so
    // any other name gets a PNG beside it that is re-encoded as JPEG.
    const std::string png = utf8Path + ".snapshot.png";
    WriteSnapshot(png);
    const QString pngName = QString::fromStdString(png);
    QImage picture(pngName);
    QFile::remove(pngName);
    if (!picture.isNull())
        picture.save(target, "JPG");
}

void CMediaPlayer::WriteSnapshot(const std::string& utf8Path)
{
    // Output 0 at the picture's own size; the call returns once the file is written.
    VLC_ENTRY(m_module, libvlc_video_take_snapshot)(m_player, 0, utf8Path.c_str(), 0, 0);
}

int CMediaPlayer::ShowMarquee(const std::string& text, int size, bool enable)
{
    if (!m_usable)
        return 0;
    const auto setInt = VLC_ENTRY(m_module, libvlc_video_set_marquee_int);
    VLC_ENTRY(m_module, libvlc_video_set_marquee_string)(m_player, libvlc_marquee_Text, text.c_str());
    setInt(m_player, libvlc_marquee_Size, size);
    setInt(m_player, libvlc_marquee_Opacity, 255);
    setInt(m_player, libvlc_marquee_Color, kMarqueeGreen);
    // 0 keeps the text up until it is disabled; a negative timeout would
    // end it before its first showing.
    setInt(m_player, libvlc_marquee_Timeout, 0);
    setInt(m_player, libvlc_marquee_X, 0);
    setInt(m_player, libvlc_marquee_Y, 0);
    setInt(m_player, libvlc_marquee_Enable, enable ? 1 : 0);
    return 1;
}
