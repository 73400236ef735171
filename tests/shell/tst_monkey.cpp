#include "../support/ShellFixture.h"
#include "deck/CardBitmaps.h"
#include "deck/CardFaceTable.h"
#include "windows/SpreadWindow.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <random>
#include <set>

using namespace quillmere;

// A long run of seeded random user actions; after every one the open spread
// window must still be sound. MONKEY_SEED repeats a run; MONKEY_ACTIONS sets
// its length (100000 unless told).
class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomActionsKeepEverythingSound();

private:
    QString checkSound(const ShellFixture &f) const;
    std::set<QString> m_cardNames;
};

void TestMonkey::initTestCase()
{
    // The offscreen platform warns on every show that it cannot do what a window
    // manager does; a hundred thousand of those would drown the run's own words.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            previous(type, context, message);
    });
}

QString TestMonkey::checkSound(const ShellFixture &f) const
{
    const auto spreads = f.spreadWindows();
    if (spreads.size() != 1)
        return QStringLiteral("%1 spread windows are loaded").arg(spreads.size());
    SpreadWindow *window = spreads.first();
    if (!window->isVisible())
        return QStringLiteral("the spread window is hidden");
    if (f.shell.hasEnded() || !f.reported.isEmpty())
        return QStringLiteral("the program ended: %1").arg(f.reported.join(QLatin1Char(' ')));

    const Deck &deck = window->deck();
    if (deck.dealPosition() < 1 || deck.dealPosition() > 79)
        return QStringLiteral("Deal_Position is %1").arg(deck.dealPosition());
    std::set<int> cards;
    for (int row = 1; row <= 78; ++row) {
        const auto &cell = deck.cardOrder()[static_cast<std::size_t>(row)][1];
        if (cell)
            cards.insert(static_cast<int>(*cell));
    }
    if (cards.size() != 78 || *cards.begin() != 1 || *cards.rbegin() != 78)
        return QStringLiteral("the deck is not a permutation");

    const auto showsACard = [this](const ImageControl *control) {
        const QSize size = control->picture().size();
        const QString what = control->accessibleDescription();
        if (what == QLatin1String("Face down"))
            return size == CardBitmaps::BackSize;
        return size == CardBitmaps::FaceSize && m_cardNames.contains(what);
    };
    for (const ImageControl *slot : window->cardSlots()) {
        if (!showsACard(slot))
            return QStringLiteral("%1 shows neither the back nor a face").arg(slot->objectName());
    }
    const ImageControl *pane = window->previewPane();
    const bool blank = pane->accessibleDescription() == QLatin1String("Empty") &&
                       pane->picture().size() == CardBitmaps::FaceSize;
    if (pane->picture().isNull() || !(blank || showsACard(pane)))
        return QStringLiteral("the preview pane shows nothing it should");
    return {};
}

void TestMonkey::randomActionsKeepEverythingSound()
{
    for (const CardFace &face : Card_Face_Table())
        m_cardNames.insert(QString::fromLatin1(face.name.data(), qsizetype(face.name.size())));

    bool given = false;
    const quint64 seed = qEnvironmentVariable("MONKEY_SEED").toULongLong(&given);
    const quint64 used = given ? seed : std::random_device{}();
    const int actions = qEnvironmentVariableIsSet("MONKEY_ACTIONS") ? qEnvironmentVariableIntValue("MONKEY_ACTIONS")
                                                                    : 100000;
    qInfo("monkey: seed %llu, %d actions (MONKEY_SEED=%llu repeats this run)", used, actions, used);
    std::mt19937_64 random(used);
    const auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

    ShellFixture f;
    f.shell.start();
    int counts[10] = {};
    for (int i = 0; i < actions; ++i) {
        SpreadWindow *window = f.openSpread();
        const auto &cards = window->cardSlots();
        ImageControl *slot = cards.at(pick(int(cards.size())));
        const int action = pick(100);
        if (action < 40) { // double click on a slot, as the X server sends it
            QTest::mousePress(slot, Qt::LeftButton);
            QTest::mouseRelease(slot, Qt::LeftButton);
            QTest::mouseDClick(slot, Qt::LeftButton);
            QTest::mouseRelease(slot, Qt::LeftButton);
            ++counts[0];
        } else if (action < 65) { // any button pressed and released on a slot
            const Qt::MouseButton button = buttons[pick(3)];
            QTest::mousePress(slot, button);
            QTest::mouseRelease(slot, button);
            ++counts[1];
        } else if (action < 72) { // a click, or a press of another button, on the pane
            const Qt::MouseButton button = buttons[pick(3)];
            QTest::mouseClick(window->previewPane(), button);
            ++counts[2];
        } else if (action < 75) {
            QTest::mouseDClick(window->previewPane(), buttons[pick(3)]);
            ++counts[3];
        } else if (action < 80) {
            window->shuffle_Click();
            ++counts[4];
        } else if (action < 85) { // another spread, by its menu command
            QList<QAction *> moves;
            for (QAction *command : window->menuBar()->actions()) {
                const QString name = command->objectName();
                if (name == QLatin1String("main") || name == QLatin1String("ccs") || name == QLatin1String("qts"))
                    moves << command;
            }
            moves.at(pick(int(moves.size())))->trigger();
            ++counts[5];
        } else if (action < 89) {
            window->info_Click();
            ++counts[6];
        } else if (action < 96) { // the user resizes, restores or maximizes
            if (pick(3) == 0) {
                window->showMaximized();
            } else {
                window->showNormal();
                window->resize(200 + pick(1500), 150 + pick(1000));
            }
            ++counts[7];
        } else { // the Information window closed through the window manager
            if (QWidget *info = f.shell.loaded(WindowKind::Information))
                info->close();
            ++counts[8];
        }
        ShellFixture::settle();
        const QString fault = checkSound(f);
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("after action %1 (kind %2) of the run with MONKEY_SEED=%3: %4")
                                 .arg(i + 1)
                                 .arg(action)
                                 .arg(used)
                                 .arg(fault)));
    }
    qInfo("monkey: %d double clicks, %d presses, %d pane clicks, %d pane double clicks, %d shuffles, "
          "%d moves, %d Information, %d resizes, %d Information closes",
          counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], counts[6], counts[7], counts[8]);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
