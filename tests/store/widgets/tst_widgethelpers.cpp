#include "BusyCursor.h"
#include "DesktopOpen.h"
#include "MessageBoxes.h"
#include "PageScroller.h"
#include "PromptRecorder.h"
#include "QelvoxTestCase.h"
#include "RecipientsCsv.h"
#include "ScreenFit.h"
#include "StarBadge.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

using Call = std::function<void()>;
using ButtonList = QList<QPair<QString, int>>;

class WidgetHelpersTest : public QelvoxTestCase
{
    Q_OBJECT

private:
    std::unique_ptr<PromptRecorder> m_prompts;
    QTemporaryDir m_dir;

    static ButtonList buttonsOf(const MessageBoxRequest &request)
    {
        ButtonList buttons;
        for (const MessageBoxRequest::Button &button : request.buttons)
            buttons += {button.text, int(button.role)};
        return buttons;
    }

    static QImage badge(int count)
    {
        QPixmap pixmap;
        drawStarBadge(pixmap, count);
        return pixmap.toImage();
    }

protected:
    void setUp() override { m_prompts = std::make_unique<PromptRecorder>(); }
    void tearDown() override { m_prompts.reset(); }

private slots:
    void messageBoxes_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ButtonList>("buttons");
        QTest::addColumn<int>("defaultButton");

        const ButtonList ok{{"OK", QMessageBox::AcceptRole}};
        const ButtonList yesNo{{"Yes", QMessageBox::AcceptRole}, {"No", QMessageBox::RejectRole}};
        QTest::newRow("information") << Call([] { showInformation("Saved.", nullptr); })
                                     << int(QMessageBox::Information) << "Information"
                                     << "Saved." << ok << -1;
        QTest::newRow("restriction") << Call([] { showRestriction("Too many.", nullptr); })
                                     << int(QMessageBox::Warning) << "Restriction"
                                     << "Too many." << ok << -1;
        QTest::newRow("error") << Call([] { showError("Failed.", nullptr); }) << int(QMessageBox::Critical)
                               << "Error"
                               << "Failed." << ok << -1;
        QTest::newRow("delete one") << Call([] { confirmDelete(1, nullptr); })
                                    << int(QMessageBox::Information) << "Restriction"
                                    << "Do you want to delete 1 item(s) ?" << yesNo << 1;
        QTest::newRow("delete three")
            << Call([] { confirmDelete(3, nullptr); }) << int(QMessageBox::Information) << "Restriction"
            << "Do you want to delete 3 item(s) ?" << yesNo << 1;
        QTest::newRow("remove folder") << Call([] { confirmRemoveFolder("Bills", nullptr); })
                                       << int(QMessageBox::Information) << "Restriction"
                                       << "Do you want to remove the folder Bills ?" << yesNo << 1;
    }
    void messageBoxes()
    {
        QFETCH(Call, call);
        call();
        QCOMPARE(m_prompts->boxes.size(), 1);
        const MessageBoxRequest &box = m_prompts->boxes.first();
        QTEST(int(box.icon), "icon");
        QTEST(box.title, "title");
        QTEST(box.text, "text");
        QTEST(buttonsOf(box), "buttons");
        QTEST(box.defaultButton, "defaultButton");
    }

    void confirmationIsTrueOnlyForYes_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("yes") << 0 << true;
        QTest::newRow("no") << 1 << false;
        QTest::newRow("closed") << -1 << false;
    }
    void confirmationIsTrueOnlyForYes()
    {
        QFETCH(int, pressed);
        m_prompts->boxAnswers = {pressed, pressed};
        QTEST(confirmDelete(2, nullptr), "confirmed");
        QTEST(confirmRemoveFolder("Bills", nullptr), "confirmed");
    }

    void realBoxOffersNoAsDefault()
    {
        m_prompts.reset();
        QString defaultText;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            defaultText = box->defaultButton()->text();
            const QList<QAbstractButton *> buttons = box->buttons();
            for (QAbstractButton *button : buttons) {
                if (button->text() == QStringLiteral("Yes"))
                    button->click();
            }
        });
        QVERIFY(confirmDelete(1, nullptr));
        QCOMPARE(defaultText, QStringLiteral("No"));
    }

    void realBoxShowsMarkupAsWritten()
    {
        m_prompts.reset();
        const QString name = QStringLiteral("<b>x</b><img src=x>.pdf");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            shown = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            box->buttons().first()->click();
        });
        showError(name, nullptr);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, name);
    }

    // Without an application for a type (none is registered offscreen), opening is not done and the user
    // learns what could not be opened; a document's folder is offered, and that failing is said too.
    void openingWithoutAnApplicationIsTold()
    {
        const QUrl page(QStringLiteral("https://example.test/a?b=1"));
        QVERIFY(!openLink(page, nullptr));
        const QString document = m_dir.filePath(QStringLiteral("Fax_rx_7.pdf"));
        m_prompts->boxAnswers = {0};
        QVERIFY(!openDocument(document, nullptr));
        m_prompts->boxAnswers = {1};
        QVERIFY(!openDocument(document, nullptr));
        QStringList texts;
        for (const MessageBoxRequest &box : qAsConst(m_prompts->boxes))
            texts += box.text;
        const QString question = QStringLiteral("No application could open the file %1. Do you want to open the "
                                                "folder that holds it?")
                                     .arg(document);
        QCOMPARE(texts, (QStringList{"No application could open https://example.test/a?b=1.", question,
                                     QStringLiteral("No application could open %1.").arg(m_dir.path()), question}));
        QCOMPARE(m_prompts->boxes[1].defaultButton, 0);
    }

    // A window designed larger than the screen (a form at a large scale factor) opens within the screen's
    // available area, also when it was placed first; one that fits keeps its size, and later sizes are the
    // user's.
    void windowsOpenWithinTheScreen()
    {
        ScreenFit::installOn(qApp);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QMainWindow large;
        large.resize(available.width() * 2, available.height() + 400);
        large.show();
        QVERIFY(available.contains(large.geometry()));
        large.resize(available.size() * 2);
        large.hide();
        large.show();
        QCOMPARE(large.size(), available.size() * 2);

        QDialog placed;
        placed.move(available.center());
        placed.resize(available.width() / 4, available.height() + 100);
        placed.show();
        QVERIFY(available.contains(placed.geometry()));

        QDialog small;
        small.resize(200, 100);
        small.show();
        QCOMPARE(small.size(), QSize(200, 100));
    }

    // Pages of a fixed-size dialog keep their whole size while the dialog fits the screen, and scroll when
    // they are taller than it: the dialog then fits, its buttons within reach.
    void pagesScrollOnlyWhenTheScreenIsTooSmall_data()
    {
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("fits") << 200 << false;
        QTest::newRow("taller than the screen") << 3000 << true;
    }
    void pagesScrollOnlyWhenTheScreenIsTooSmall()
    {
        QFETCH(int, pageHeight);
        QFETCH(bool, scrolls);
        QDialog dialog;
        auto *layout = new QVBoxLayout(&dialog);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto *row = new QHBoxLayout;
        layout->addLayout(row);
        auto *pages = new QStackedWidget(&dialog);
        auto *page = new QWidget;
        page->setMinimumSize(300, pageHeight);
        pages->addWidget(page);
        row->addWidget(pages);
        auto *button = new QPushButton(QStringLiteral("Close"), &dialog);
        layout->addWidget(button);
        auto *scroller = new PageScroller(pages);
        QCOMPARE(scroller->widget(), pages);
        QCOMPARE(dialog.findChild<PageScroller *>(), scroller);

        scroller->fitToScreen();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(scroller->verticalScrollBar()->isVisible(), scrolls);
        QCOMPARE(scroller->viewport()->height() < pageHeight, scrolls);
        const QRect available = dialog.screen()->availableGeometry();
        QVERIFY(dialog.height() <= available.height());
        QVERIFY(available.contains(button->mapTo(&dialog, QPoint()) + dialog.geometry().topLeft()));
        QVERIFY(page->width() >= 300);
    }

    void csvFileName_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");
        const QString dir = m_dir.path() + u'/';
        QTest::newRow("suffix in capitals kept") << dir + "list.CSV" << dir + "list.CSV";
        QTest::newRow("suffix added") << dir + "list" << dir + "list.csv";
        QTest::newRow("cancelled") << ""
                                   << "";
        QTest::newRow("missing directory") << dir + "nowhere/list.csv"
                                           << "";
    }
    void csvFileName()
    {
        QFETCH(QString, answer);
        m_prompts->fileAnswers = {{answer}};
        QTEST(askCsvFileName(), "name");
        QCOMPARE(m_prompts->fileDialogs.size(), 1);
        QCOMPARE(m_prompts->fileDialogs.first().caption, QStringLiteral("Select file location ..."));
        QCOMPARE(m_prompts->fileDialogs.first().filter, QStringLiteral("CSV files (*.csv)"));
        QCOMPARE(m_prompts->fileDialogs.first().directory, QDir::toNativeSeparators(QDir::homePath()));
    }

    void exportsDeliveryList()
    {
        const QList<RecipientStatus> list{{"+331", 1}, {"a@b.c", 6}, {"+332", 500}};
        const QString chosen = m_dir.path() + QStringLiteral("/delivery");
        m_prompts->fileAnswers = {{chosen}};
        QVERIFY(exportRecipientsCsv(list));
        QCOMPARE(fileBytes(chosen + ".csv"), QByteArray("+331;OK\r\na@b.c;BU\r\n+332;FA\r\n"));

        QVERIFY(!exportRecipientsCsv(list)); // cancelled
    }

    void fillsTreeAfterExistingRows()
    {
        QTreeWidget tree;
        tree.setColumnCount(2);
        tree.addTopLevelItem(new QTreeWidgetItem({"kept", "row"}));
        fillRecipientStatusTree({{"+331", 2}, {"+332", 104}}, &tree);
        QCOMPARE(tree.topLevelItemCount(), 3);
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("kept"));
        QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("+331"));
        QCOMPARE(tree.topLevelItem(1)->text(1), QStringLiteral("IQ"));
        QCOMPARE(tree.topLevelItem(2)->text(1), QStringLiteral("NC"));
    }

    void badgeShowsCountOrHash()
    {
        const QImage star(QStringLiteral(":/images/star.png"));
        QVERIFY(!star.isNull());
        QCOMPARE(badge(3).size(), star.size());
        QVERIFY(badge(3) != star.convertToFormat(badge(3).format()));
        QVERIFY(badge(1) != badge(2));
        QVERIFY(badge(9) != badge(10));
        QCOMPARE(badge(12), badge(10));
    }

    void busyCursorIsScoped()
    {
        QWidget widget;
        {
            BusyCursor busy(&widget);
            QCOMPARE(widget.cursor().shape(), Qt::BusyCursor);
        }
        QCOMPARE(widget.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(WidgetHelpersTest)
#include "tst_widgethelpers.moc"
