#include "settings/dialog/CKepConfigDlg.h"

#include "controls/NamedControl.h"

#include "playback/CWindowMessageEvent.h"
#include "playback/WindowMessages.h"
#include "settings/CLanguageTable.h"
#include "settings/dialog/LocalizedText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr unsigned kGoogleMapText = 105;
constexpr unsigned kChinaMapText = 106;
constexpr unsigned kOkText = 107;
constexpr unsigned kCancelText = 108;
constexpr unsigned kApplyText = 109;
constexpr unsigned kTitleText = 110;
constexpr unsigned kLanguageBoxText = 114;
constexpr unsigned kMapBoxText = 115;

constexpr int kChinaMap = 1;
constexpr int kMinimumWidth = 340;

// The combo boxes take typed text. Text that is not one of the entries
// leaves no choice (-1); text that spells an entry chooses it.
int ChosenRow(const QComboBox* combo)
{
    const QString text = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == text)
        return current;
    return combo->findText(text, Qt::MatchExactly);
}

QComboBox* EditableCombo(QWidget* parent, int controlId)
{
    auto* combo = Named(new QComboBox(parent), controlId);
    combo->setEditable(true);
    // Typed text chooses among the entries; it never becomes one.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

} // namespace

CKepConfigDlg::CKepConfigDlg(QWidget* parent, CIniSettings& settings)
    : QDialog(parent)
    , m_settings(settings)
{
    BuildControls();
    for (const LanguageEntry& language : CLanguageTable::Rows()) {
        const std::string_view name = language.nativeName;
        m_languages->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    // Entries in the language of the moment; they are not re-read when
    // another language is applied while the dialog is open.
    m_maps->addItem(LocalizedText(kGoogleMapText, m_settings));
    m_maps->addItem(LocalizedText(kChinaMapText, m_settings));
    m_languages->setCurrentIndex(m_settings.LanguageIndex());
    RefreshTexts();
    SelectStoredMap();
    m_mapChoice = m_settings.MapChoice();
}

void CKepConfigDlg::BuildControls()
{
    m_mapBox = Named(new QGroupBox(this), 1040);
    m_maps = EditableCombo(m_mapBox, 1038);
    m_mapApply = Named(new QPushButton(m_mapBox), 1039);
    m_languageBox = Named(new QGroupBox(this), 1041);
    m_languages = EditableCombo(m_languageBox, 1042);
    m_languageApply = Named(new QPushButton(m_languageBox), 1043);
    m_ok = Named(new QPushButton(this), 1);
    m_cancel = Named(new QPushButton(this), 2);
    m_ok->setDefault(true);

    auto* mapRow = new QHBoxLayout(m_mapBox);
    mapRow->addWidget(m_maps, 1);
    mapRow->addWidget(m_mapApply);
    auto* languageRow = new QHBoxLayout(m_languageBox);
    languageRow->addWidget(m_languages, 1);
    languageRow->addWidget(m_languageApply);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_mapBox);
    layout->addWidget(m_languageBox);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);

    connect(m_mapApply, &QPushButton::clicked, this, &CKepConfigDlg::ApplyMap);
    // Typed text that names no language changes and writes nothing, but the
    // main window is told all the same (with -1), as it is after every Apply.
    connect(m_languageApply, &QPushButton::clicked, this,
            [this] { PostToParent(UM_LANGUAGE_CHANGED, ApplyLanguage()); });
    connect(m_ok, &QPushButton::clicked, this, &CKepConfigDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CKepConfigDlg::reject);
}

void CKepConfigDlg::RefreshTexts()
{
    setWindowTitle(LocalizedText(kTitleText, m_settings));
    m_mapBox->setTitle(LocalizedText(kMapBoxText, m_settings));
    m_languageBox->setTitle(LocalizedText(kLanguageBoxText, m_settings));
    m_mapApply->setText(LocalizedText(kApplyText, m_settings));
    m_languageApply->setText(LocalizedText(kApplyText, m_settings));
    m_ok->setText(LocalizedText(kOkText, m_settings));
    m_cancel->setText(LocalizedText(kCancelText, m_settings));
}

void CKepConfigDlg::SelectStoredMap()
{
    const int stored = m_settings.ReadMapChoice();
    m_maps->setCurrentIndex(stored < m_maps->count() ? stored : 0);
}

void CKepConfigDlg::ApplyMap()
{
    // Anything but the China map entry, typed text included, is the world map.
    m_mapChoice = ChosenRow(m_maps) == kChinaMap ? kChinaMap : 0;
    m_settings.WriteMapChoice(m_mapChoice);
    PostToParent(UM_MAP_TYPE_CHANGED, m_mapChoice);
}

int CKepConfigDlg::ApplyLanguage()
{
    const int row = ChosenRow(m_languages);
    m_settings.SetLanguage(row);
    RefreshTexts();
    return row;
}

void CKepConfigDlg::accept()
{
    ApplyMap();
    const int row = ApplyLanguage();
    SelectStoredMap();
    PostToParent(UM_LANGUAGE_CHANGED, row);
    QDialog::accept();
}

void CKepConfigDlg::PostToParent(int message, int value)
{
    if (parent())
        PostWindowMessage(parent(), message, static_cast<std::uint64_t>(static_cast<std::int64_t>(value)));
}
