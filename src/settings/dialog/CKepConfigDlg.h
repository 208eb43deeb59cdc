#pragma once

#include "settings/CIniSettings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;

// The configuration dialog: the map page and the user-interface language.
// Each has its own Apply, which takes effect while the dialog stays open; OK
// applies both and closes; Cancel undoes nothing that was applied. Every
// choice is written to the settings file at once, and the main window (the
// parent) learns of it by posted UM_MAP_TYPE_CHANGED and UM_LANGUAGE_CHANGED
// messages. The widgets are named by their control IDs (1038 map choice,
// 1039 its Apply, 1042 language choice, 1043 its Apply, 1 OK, 2 Cancel).
class CKepConfigDlg : public QDialog {
    Q_OBJECT

public:
    explicit CKepConfigDlg(QWidget* parent = nullptr, CIniSettings& settings = CIniSettings::Instance());

    // 0 = the "Google Map" page, 1 = the "China Map" page; set by the map
    // Apply and by OK.
    int MapChoice() const { return m_mapChoice; }

    void accept() override;

private:
    void BuildControls();
    void RefreshTexts();
    void SelectStoredMap();
    void ApplyMap();
    int ApplyLanguage();
    void PostToParent(int message, int value);

    CIniSettings& m_settings;
    QGroupBox* m_mapBox = nullptr;
    QComboBox* m_maps = nullptr;
    QPushButton* m_mapApply = nullptr;
    QGroupBox* m_languageBox = nullptr;
    QComboBox* m_languages = nullptr;
    QPushButton* m_languageApply = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    int m_mapChoice = 0;
};
