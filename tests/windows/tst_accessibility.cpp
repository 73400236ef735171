#include "../support/ShellFixture.h"
#include "deck/CardFaceTable.h"
#include "windows/Form1.h"
#include "windows/SpreadWindow.h"

#include <QAccessible>
#include <QTest>

using namespace quillmere;

Q_DECLARE_METATYPE(quillmere::WindowKind)

namespace {

QString accessible(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QStringLiteral("<no accessible interface>");
}

QString dealtName(const SpreadWindow &window, int row)
{
    const int card = static_cast<int>(*window.deck().cardOrder()[static_cast<std::size_t>(row)][1]);
    return QString::fromLatin1(cardFace(card)->name.data(), qsizetype(cardFace(card)->name.size()));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void slotsAreNamedByPosition_data();
    void slotsAreNamedByPosition();
    void descriptionsFollowWhatIsShown();
};

void TestAccessibility::slotsAreNamedByPosition_data()
{
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("names"); // in slot order, Image1 first
    QTest::newRow("main") << WindowKind::Main << QStringList{"Present", "Past", "Future"};
    QStringList positions;
    for (int i = 1; i <= 10; ++i)
        positions << QStringLiteral("Position %1").arg(i);
    QTest::newRow("celtic") << WindowKind::Celtic << positions;
    QTest::newRow("qabalistic") << WindowKind::Qabalistic << positions;
}

void TestAccessibility::slotsAreNamedByPosition()
{
    QFETCH(WindowKind, kind);
    QFETCH(QStringList, names);
    ShellFixture f;
    auto *window = qobject_cast<SpreadWindow *>(f.shell.load(kind));
    f.shell.show(window);
    QStringList shown;
    for (ImageControl *slot : window->cardSlots()) {
        shown << accessible(slot, QAccessible::Name);
        QCOMPARE(accessible(slot, QAccessible::Description), QStringLiteral("Face down"));
        QCOMPARE(QAccessible::queryAccessibleInterface(slot)->role(), QAccessible::Graphic);
    }
    QCOMPARE(shown, names);
    QCOMPARE(accessible(window->previewPane(), QAccessible::Name), QStringLiteral("Preview"));
    QCOMPARE(accessible(window->previewPane(), QAccessible::Description), QStringLiteral("Empty"));
}

void TestAccessibility::descriptionsFollowWhatIsShown()
{
    ShellFixture f;
    auto *form = qobject_cast<Form1 *>(f.shell.load(WindowKind::Main));
    f.shell.show(form);

    QTest::mouseDClick(form->Image2, Qt::LeftButton);
    QCOMPARE(accessible(form->Image2, QAccessible::Description), dealtName(*form, 1));
    QTest::mousePress(form->Image2, Qt::RightButton);
    QCOMPARE(accessible(form->Image6, QAccessible::Description), dealtName(*form, 1));
    QTest::mousePress(form->Image3, Qt::RightButton); // a face-down slot
    QCOMPARE(accessible(form->Image6, QAccessible::Description), QStringLiteral("Face down"));
    QTest::mouseClick(form->Image6, Qt::LeftButton);
    QCOMPARE(accessible(form->Image6, QAccessible::Description), QStringLiteral("Empty"));

    QTest::mouseDClick(form->Image1, Qt::LeftButton);
    QTest::mousePress(form->Image1, Qt::RightButton);
    form->shuffle_Click();
    for (ImageControl *slot : form->cardSlots())
        QCOMPARE(accessible(slot, QAccessible::Description), QStringLiteral("Face down"));
    QCOMPARE(accessible(form->Image6, QAccessible::Description), QStringLiteral("Empty"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
