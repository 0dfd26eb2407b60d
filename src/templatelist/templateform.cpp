#include "templatelist/templateform.h"

#include "controls/label.h"
#include "controls/titlebar.h"
#include "controls/titlebardescription.h"
#include "framework/files/atomicwriter.h"
#include "framework/files/filelocation.h"
#include "framework/widgets/listbox.h"
#include "framework/widgets/namedmenu.h"
#include "framework/windows/application.h"
#include "framework/windows/archivechoice.h"
#include "templatelist/templateformlayout.h"
#include "templatelist/templatelistfile.h"
#include "templatelist/templatelistmodel.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <memory>

namespace pellax {

namespace {

const QString kTemplateFilter = QStringLiteral("Template files|*.lst|MPQ archives|*.mpq");
const MemberKind kTemplateLists{QStringLiteral("lst"), QStringLiteral("Template lists")};
const QString kTemplateExt = QStringLiteral("*.lst");
// The longest name the rename box accepts.
constexpr int kMaxEntryLength = 255;

}  // namespace

Ttemplateform::Ttemplateform(QWidget* parent)
    : TForm(QStringLiteral("templateform"), parent),
      Opentemp(own(std::make_unique<TOpenDialog>(this, QStringLiteral("Opentemp")))),
      Savetemp(own(std::make_unique<TSaveDialog>(this, QStringLiteral("Savetemp")))) {
    BeginLoading();
    SetCaption(QStringLiteral("Got list manager (template.lst)"));
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBlack);
    SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite});

    Opentemp.Filter = Savetemp.Filter = kTemplateFilter;
    Opentemp.DefaultExt = Savetemp.DefaultExt = kTemplateExt;

    buildMenu();
    buildControls();
    SetClientSize(348, 444);
    buildTitleBar();
    connectHandlers();
    EndLoading();
}

Ttemplateform::~Ttemplateform() = default;

void Ttemplateform::buildTitleBar() {
    static const TitleBarDescription kTitleBar{128, TFont{QStringLiteral("MS Sans Serif"), -13, fsBold, clNavy},
                                               2, 2, clBlack, clNavy, TROThreeDStyle::tdNone,
                                               clGray, clWhite, clGray, clSilver};
    ROTitleBar1 = &make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    describeTitleBar(*ROTitleBar1, kTitleBar);
}

void Ttemplateform::buildControls() {
    const BuiltControls c =
        pellax::buildControls(*this, templateformControls(), [](std::string_view) { return std::span<const char* const>{}; });
    ROLabel1 = &c.require<TROLabel>(QStringLiteral("ROLabel1"));
    gotlist = c.get<TListBox>(QStringLiteral("gotlist"));
    entries = new TemplateListModel(gotlist);
    gotlist->setModel(entries);
    Button1 = c.get<QPushButton>(QStringLiteral("Button1"));
    Button3 = c.get<QPushButton>(QStringLiteral("Button3"));
    curgot = c.get<QLineEdit>(QStringLiteral("curgot"));

    setWidgetColors(gotlist, clBlack, clWhite);
    setWidgetColors(curgot, clBlack, clWhite);
    // Screen readers name the list after the heading above it, and the field
    // after what it holds: it has no label of its own.
    gotlist->setAccessibleName(QStringLiteral("Template file contents"));
    curgot->setAccessibleName(QStringLiteral("Entry to add"));
}

void Ttemplateform::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    File1 = addNamedMenu(bar, "File1", "File");
    Opentemplatefile1 = addNamedItem(File1, "Opentemplatefile1", "Open template file");
    Saveastemplatefile1 = addNamedItem(File1, "Saveastemplatefile1", "Save as template file");
}

void Ttemplateform::connectHandlers() {
    onSignal(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    onSignal(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    onSignal(gotlist, &QAbstractItemView::doubleClicked, this, [this] { gotlistDblClick(); });
    onSignal(Opentemplatefile1, &QAction::triggered, this, [this] { Opentemplatefile1Click(); });
    onSignal(Saveastemplatefile1, &QAction::triggered, this, [this] { Savetemplatefile1Click(); });
}

void Ttemplateform::Button1Click() {
    if (curgot->text().isEmpty())
        return;
    const QString entry = quotedEntry(curgot->text());
    curgot->setText(entry);
    entries->append(entry);
}

void Ttemplateform::Button3Click() {
    const int row = gotlist->selectedRow();
    if (row < 0)
        return;
    entries->removeAt(row);
    // The selection does not move on to a neighbour: a second Delete must not remove another name.
    gotlist->selectRow(-1);
}

void Ttemplateform::gotlistDblClick() {
    const int row = gotlist->selectedRow();
    if (row < 0)
        return;
    const auto edited = Application::instance().dialogs().inputBox(QStringLiteral("Edit list member"),
                                                                   QStringLiteral("Enter new name"),
                                                                   entries->entries().at(row), kMaxEntryLength, this);
    if (edited)
        entries->replace(row, *edited);
}

void Ttemplateform::Opentemplatefile1Click() {
    if (Opentemp.Execute(this))
        OpenChosenTemplatefile(Opentemp.FileName);
}

void Ttemplateform::OpenChosenTemplatefile(const QString& fileName) {
    const std::optional<QString> location = openLocationFor(fileName, kTemplateLists, this);
    if (!location)
        return;
    // The next open dialog starts from this file, whichever way it came.
    Opentemp.FileName = dialogPathOf(*location);
    entries->assign(readTemplateEntries(*location));
    location_ = *location;
}

void Ttemplateform::Savetemplatefile1Click() {
    if (!Savetemp.Execute(this))
        return;
    const QString proposed = parseLocation(location_).inArchive ? proposedMember(location_, {}, {})
                                                                : QStringLiteral("templates\\templates.lst");
    const std::optional<QString> location = saveLocationFor(Savetemp.FileName, proposed, this);
    if (!location)
        return;
    writeFileAtomically(*location, entries->entries().serialise());
    location_ = *location;
}

}  // namespace pellax
