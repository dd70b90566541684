#pragma once

#include "ui_SettingsDlg.h"

#include <QDialog>

class PageScroller;

// The preferences window: language, fax preview format, sync interval, sounds, Outlook contacts, automatic
// sign-in and start, and the HTTP proxy. It edits the settings store directly: Save writes every value back
// and re-applies the proxy to the service facade; Close (also Escape and the close box) drops the edits.
// Shown without a nested event loop; its closing and what changed arrive as signals.
class SettingsDlg : public QDialog, public Ui::SettingsDlg
{
    Q_OBJECT

public:
    explicit SettingsDlg(QWidget *parent);

    // Loads the stored values into the form and shows the dialog; returns at once.
    void loadAndShow();

    // Fits the pages to the screen before each showing.
    void setVisible(bool visible) override;

signals:
    // The dialog has closed: update is true after Save, false after Close, Escape or the close box.
    void signalClose(bool update);
    // Emitted by Save before signalClose(true), in this order, each only for a changed and stored value.
    void signalOutlook();
    void signalTranslate();
    void signalSyncInterval();

public slots:
    // Closing without Save counts as Close, whichever way the user took.
    void reject() override;

private slots:
    void eventAction();
    void eventCancel();

private:
    void fillLanguages();
    void loadSettings();
    // The files that a value could not be written to (the others are written all the same): the settings
    // file, the autostart entry.
    QStringList saveSettings();

    PageScroller *m_pages;
};
