#include "AboutDlg.h"
#include "AccountDlg.h"
#include "DesktopFixture.h"
#include "FolderView.h"
#include "Languages.h"
#include "SettingsDlg.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

// "object: text" for every widget of window whose text is cut: a line of a label or a button narrower than
// its text, a field narrower than its value, a list narrower than its entries.
QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    const auto note = [&](const QWidget *widget, const QString &text) {
        clipped += widget->objectName() + QStringLiteral(": ") + text;
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (!label->text().isEmpty() && !label->wordWrap() && label->width() < label->minimumSizeHint().width())
                note(label, label->text());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                note(button, button->text());
        } else if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
            const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
            if (field->fontMetrics().horizontalAdvance(field->text()) > field->width() - 2 * frame - 4)
                note(field, field->text());
        } else if (const auto *list = qobject_cast<const QListWidget *>(widget)) {
            if (list->viewport()->width() < list->sizeHintForColumn(0))
                note(list, list->currentItem() ? list->currentItem()->text() : QString());
        }
    }
    return clipped;
}

} // namespace

// Every text of the about box, the account dialog, the preferences and the item and contact lists fits its
// place in every language: a translation cut short ("Dimension" for "Dimensione") is as wrong as a missing
// one. With QELVOX_GRAB_DIR set, each window is also written there as a picture to look at.
class TextFitTest : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;
    std::unique_ptr<DesktopFixture> m_fixture;

    void useLanguage(const QString &code)
    {
        QCoreApplication::removeTranslator(&m_translator);
        QVERIFY(loadLanguage(m_translator, code));
        QCoreApplication::installTranslator(&m_translator);
    }

    static void grab(QWidget *window, const QString &name)
    {
        const QString folder = qEnvironmentVariable("QELVOX_GRAB_DIR");
        if (!folder.isEmpty())
            QVERIFY(window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    }

private slots:
    void init() { m_fixture = std::make_unique<DesktopFixture>(); }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_translator);
        m_fixture.reset();
    }

    void windowsShowTheirWholeTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<WindowMaker>("make");
        const WindowMaker about = [] { return std::make_unique<AboutDlg>(nullptr); };
        const WindowMaker account = [] {
            auto dialog = std::make_unique<AccountDlg>(nullptr);
            dialog->enddate->setText(QStringLiteral("2027-12-31 23:59:59"));
            dialog->prepaidbalance->setText(QStringLiteral("1250"));
            return dialog;
        };
        const WindowMaker settings = [] { return std::make_unique<SettingsDlg>(nullptr); };
        for (const QString &code : languageCodes()) {
            QTest::addRow("%s about", qPrintable(code)) << code << "about" << about;
            QTest::addRow("%s account", qPrintable(code)) << code << "account" << account;
            QTest::addRow("%s settings", qPrintable(code)) << code << "settings" << settings;
        }
    }
    void windowsShowTheirWholeTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        QFETCH(WindowMaker, make);
        useLanguage(language);
        const std::unique_ptr<QWidget> shown = make();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QStringList clipped;
        const QList<QStackedWidget *> pages = shown->findChildren<QStackedWidget *>();
        QStackedWidget *stack = pages.value(0);
        for (int page = 0; page < (stack ? stack->count() : 1); ++page) {
            if (stack)
                stack->setCurrentIndex(page);
            clipped += clippedTexts(shown.get());
            grab(shown.get(), QStringLiteral("%1-%2-%3").arg(window, language).arg(page));
        }
        clipped.removeDuplicates();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
    }

    void listTitlesFitTheirColumns_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : languageCodes())
            QTest::newRow(qPrintable(code)) << code;
    }
    void listTitlesFitTheirColumns()
    {
        QFETCH(QString, language);
        useLanguage(language);
        for (const int kind : {1, 0}) {
            FolderView list(nullptr, nullptr, kind, 0);
            list.resize(800, 300);
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            grab(&list, QStringLiteral("list%1-%2").arg(kind).arg(language));
            const QHeaderView *columns = list.header();
            for (int column = 1; column < columns->count(); ++column)
                QVERIFY2(columns->sectionSize(column) >= columns->sectionSizeHint(column),
                         qPrintable(list.headerItem()->text(column)));
        }
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
