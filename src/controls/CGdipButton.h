#pragma once

#include "controls/CGdiPlusBitmapResource.h"
#include "playback/PlaybackViews.h"

#include <QAbstractButton>
#include <QImage>

#include <array>

// A push button of the skin: a PNG scaled to the button over whatever the
// parent painted beneath it, brighter while the mouse is over it and moved
// one pixel right and down while pressed. A second, alternate image can
// stand in for the standard one; in toggle mode every click swaps them,
// and the pressed look already shows the set the click switches to.
class CGdipButton : public QAbstractButton, public IAltImageButton {
    Q_OBJECT

public:
    explicit CGdipButton(QWidget* parent = nullptr);

    // False when the image cannot be loaded. Without a standard image the
    // button draws nothing; without an alternate it keeps the standard set.
    bool LoadStdImage(unsigned id);
    bool LoadAltImage(unsigned id);
    void SetToggle(bool toggle) { m_toggle = toggle; }
    // Chooses the image set and repaints.
    void SetAltShown(bool shown) override;
    bool AltShown() const { return m_altShown; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum Look { kNormal, kPressed, kHot, kLookCount };
    using LookSet = std::array<QImage, kLookCount>;

    bool LoadImage(CGdiPlusBitmapResource& holder, unsigned id);
    void OnClicked();
    const QImage* CurrentLook();
    // Looks are rendered once per image and size: a paint is then a single copy.
    void RenderLooksIfNeeded();
    LookSet RenderLooks(const QImage& image) const;

    CGdiPlusBitmapResource m_stdImage;
    CGdiPlusBitmapResource m_altImage;
    LookSet m_stdLooks;
    LookSet m_altLooks;
    QSize m_looksSize;
    bool m_toggle = false;
    bool m_altShown = false;
    bool m_hovering = false;
};
