#include "framework/widgets/updown.h"
#include "support/qtprinters.h"
#include "got/mainformfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QToolButton>

namespace pellax {
namespace {

using MainformAccessibility = test::MainformTest;

// The name a screen reader reads over the accessibility bus.
QString spokenName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

TEST_F(MainformAccessibility, FieldsAreNamedAfterTheirLabelsNotTheirGroup) {
    const std::vector<std::pair<QWidget*, const char*>> expected = {
        {form->gametypename, "Name:"},        {form->colorbox, "Color:"},
        {form->descripname, "Variation name"}, {form->varsetting, "Var setting"},
        {form->varnum, "Var number (1)"},      {form->position, "Position"},
        {form->minerals, "Minerals"},          {form->Gametype, "gametype"},
        {form->playability, "Playability"},    {form->numteams, "Max teams:"},
        {form->Gametypesetting, "Internal game type setting"},
    };
    for (const auto& [field, name] : expected)
        EXPECT_EQ(spokenName(field), QString::fromLatin1(name)) << field->objectName().toStdString();
    // The captions keep their text: no mnemonic was added to make the link.
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Name:"));
    EXPECT_EQ(form->Label1->buddy(), form->gametypename);

    const QList<QToolButton*> arrows = form->UpDown1->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QStringList names{spokenName(arrows[0]), spokenName(arrows[1])};
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Decrease minerals"), QStringLiteral("Increase minerals")}));
}

}  // namespace
}  // namespace pellax
