#include "trigger/triggerform.h"

#include "controls/titlebar.h"
#include "controls/titlebardescription.h"
#include "framework/files/atomicwriter.h"
#include "framework/files/exception.h"
#include "framework/files/fileaccess.h"
#include "framework/files/filelocation.h"
#include "framework/widgets/namedmenu.h"
#include "framework/windows/application.h"
#include "framework/windows/archivechoice.h"
#include "trigger/scenariosections.h"
#include "trigger/triggerformtext.h"

#include <QAction>
#include <QCheckBox>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPromise>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTextBlock>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

namespace pellax {

namespace {

const QString kTriggerFilter = QStringLiteral("Starcraft trigger files|*.trg|MPQ archives|*.mpq");
const QString kTriggerExt = QStringLiteral("*.trg");
const MemberKind kTriggerFiles{QStringLiteral("trg"), QStringLiteral("Trigger files")};
// How long the text rests before it is counted again.
constexpr int kRecountPause = 400;
constexpr int kErrorRows = 5;

QPushButton* button(const QString& text, const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessibleName);
    return b;
}

// Puts the cursor at the start of the match, or selects it, as the user asked.
bool findFrom(QPlainTextEdit* text, const QString& what, QTextDocument::FindFlags flags, int from) {
    QTextCursor start(text->document());
    start.setPosition(from);
    const QTextCursor found = text->document()->find(what, start, flags);
    if (found.isNull())
        return false;
    text->setTextCursor(found);
    return true;
}

}  // namespace

Ttriggerform::Ttriggerform(QWidget* parent)
    : TForm(QStringLiteral("triggerform"), parent),
      Opentriggers(own(std::make_unique<TOpenDialog>(this, QStringLiteral("Opentriggers")))),
      Savetriggers(own(std::make_unique<TSaveDialog>(this, QStringLiteral("Savetriggers")))),
      Openmap(own(std::make_unique<TOpenDialog>(this, QStringLiteral("Openmap")))) {
    BeginLoading();
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBlack);
    SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite});

    Opentriggers.Filter = Savetriggers.Filter = kTriggerFilter;
    Opentriggers.DefaultExt = Savetriggers.DefaultExt = kTriggerExt;
    Opentriggers.Title = QStringLiteral("Select trigger file to edit");
    Openmap.Filter = QStringLiteral("Starcraft maps|*.scm;*.scx;*.chk");
    Openmap.DefaultExt = QStringLiteral("*.scx");
    Openmap.Title = QStringLiteral("Select map to import triggers from");

    buildMenu();
    buildControls();
    connectHandlers();
    ROTitleBar1 = &make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    describeTitleBar(*ROTitleBar1, programTitleBar());
    setAccessibleName(QStringLiteral("Triggers"));
    showTriggers({}, QString(), QString());
    EndLoading();
}

Ttriggerform::~Ttriggerform() = default;

void Ttriggerform::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    File1 = addNamedMenu(bar, "File1", "File");
    Newfile1 = addNamedItem(File1, "Newfile1", "New");
    Openfile1 = addNamedItem(File1, "Openfile1", "Open...");
    Importfrommap1 = addNamedItem(File1, "Importfrommap1", "Import from map...");
    addNamedSeparator(File1, "N1");
    Savefile1 = addNamedItem(File1, "Savefile1", "Save");
    Saveasfile1 = addNamedItem(File1, "Saveasfile1", "Save as...");
    Edit1 = addNamedMenu(bar, "Edit1", "Edit");
    Undo1 = addNamedItem(Edit1, "Undo1", "Undo");
    Redo1 = addNamedItem(Edit1, "Redo1", "Redo");
    addNamedSeparator(Edit1, "N2");
    Cut1 = addNamedItem(Edit1, "Cut1", "Cut");
    Copy1 = addNamedItem(Edit1, "Copy1", "Copy");
    Paste1 = addNamedItem(Edit1, "Paste1", "Paste");
    Selectall1 = addNamedItem(Edit1, "Selectall1", "Select all");
    addNamedSeparator(Edit1, "N3");
    Find1 = addNamedItem(Edit1, "Find1", "Find...");
    Findnext1 = addNamedItem(Edit1, "Findnext1", "Find next");
    Findprevious1 = addNamedItem(Edit1, "Findprevious1", "Find previous");

    // The keys every text editor has.
    Newfile1->setShortcut(QKeySequence::New);
    Openfile1->setShortcut(QKeySequence::Open);
    Savefile1->setShortcut(QKeySequence::Save);
    Saveasfile1->setShortcut(QKeySequence::SaveAs);
    Undo1->setShortcut(QKeySequence::Undo);
    Redo1->setShortcut(QKeySequence::Redo);
    Cut1->setShortcut(QKeySequence::Cut);
    Copy1->setShortcut(QKeySequence::Copy);
    Paste1->setShortcut(QKeySequence::Paste);
    Selectall1->setShortcut(QKeySequence::SelectAll);
    Find1->setShortcut(QKeySequence::Find);
    Findnext1->setShortcut(QKeySequence::FindNext);
    Findprevious1->setShortcut(QKeySequence::FindPrevious);
    // The editor has these keys itself; the menu's would take them from the find field too.
    for (QAction* editing : {Undo1, Redo1, Cut1, Copy1, Paste1, Selectall1})
        editing->setShortcutContext(Qt::WidgetShortcut);
}

void Ttriggerform::buildControls() {
    auto* column = new QVBoxLayout(client());
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    Text = new QPlainTextEdit(client());
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(QStringLiteral("Trigger text"));
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = toQFont(TFont{QStringLiteral("Courier New"), -13, 0, clWhite});
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    Text->setFont(fixed);
    Text->setTabStopDistance(4 * QFontMetricsF(fixed).horizontalAdvance(QLatin1Char(' ')));
    setWidgetColors(Text, clBlack, clWhite);
    column->addWidget(Text, 1);

    FindBar = new QWidget(client());
    FindBar->setObjectName(QStringLiteral("FindBar"));
    auto* find = new QHBoxLayout(FindBar);
    find->setContentsMargins(0, 0, 0, 0);
    auto* findLabel = new QLabel(QStringLiteral("Find:"), FindBar);
    FindText = new QLineEdit(FindBar);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setAccessibleName(QStringLiteral("Find text"));
    findLabel->setBuddy(FindText);
    setWidgetColors(FindText, clBlack, clWhite);
    FindPrevious = button(QStringLiteral("Previous"), QStringLiteral("FindPrevious"), QStringLiteral("Find previous"), FindBar);
    FindNextButton = button(QStringLiteral("Next"), QStringLiteral("FindNextButton"), QStringLiteral("Find next"), FindBar);
    MatchCase = new QCheckBox(QStringLiteral("Match case"), FindBar);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));
    MatchCase->setAccessibleName(QStringLiteral("Match case"));
    FindStatus = new QLabel(FindBar);
    FindStatus->setObjectName(QStringLiteral("FindStatus"));
    CloseFind = button(QStringLiteral("Close"), QStringLiteral("CloseFind"), QStringLiteral("Close find bar"), FindBar);
    find->addWidget(findLabel);
    find->addWidget(FindText, 1);
    find->addWidget(FindPrevious);
    find->addWidget(FindNextButton);
    find->addWidget(MatchCase);
    find->addWidget(FindStatus);
    find->addWidget(CloseFind);
    FindBar->hide();
    column->addWidget(FindBar);

    Errors = new QListWidget(client());
    Errors->setObjectName(QStringLiteral("Errors"));
    Errors->setAccessibleName(QStringLiteral("Errors"));
    setWidgetColors(Errors, clBlack, clWhite);
    Errors->setFixedHeight(kErrorRows * Errors->fontMetrics().height() + 8);
    Errors->hide();
    column->addWidget(Errors);

    auto* status = new QHBoxLayout;
    Count = new QLabel(client());
    Count->setObjectName(QStringLiteral("Count"));
    Position = new QLabel(client());
    Position->setObjectName(QStringLiteral("Position"));
    Save = button(QStringLiteral("Save"), QStringLiteral("Save"), QStringLiteral("Save"), client());
    SaveAs = button(QStringLiteral("Save as..."), QStringLiteral("SaveAs"), QStringLiteral("Save as"), client());
    status->addWidget(Count);
    status->addSpacing(16);
    status->addWidget(Position);
    status->addStretch(1);
    for (QPushButton* b : {Save, SaveAs}) {
        b->setMinimumWidth(75);
        status->addWidget(b);
    }
    column->addLayout(status);

    recountTimer_ = new QTimer(this);
    recountTimer_->setSingleShot(true);
    recountTimer_->setInterval(kRecountPause);
    recount_ = new QFutureWatcher<CompiledTriggers>(this);
    resize(640, 480);
}

void Ttriggerform::connectHandlers() {
    onSignal(Newfile1, &QAction::triggered, this, [this] { Newfile1Click(); });
    onSignal(Openfile1, &QAction::triggered, this, [this] { Openfile1Click(this); });
    onSignal(Importfrommap1, &QAction::triggered, this, [this] { Importfrommap1Click(this); });
    onSignal(Savefile1, &QAction::triggered, this, [this] { Savefile1Click(); });
    onSignal(Saveasfile1, &QAction::triggered, this, [this] { Saveasfile1Click(); });
    onSignal(Save, &QPushButton::clicked, this, [this] { Savefile1Click(); });
    onSignal(SaveAs, &QPushButton::clicked, this, [this] { Saveasfile1Click(); });

    onSignal(Undo1, &QAction::triggered, this, [this] { Text->undo(); });
    onSignal(Redo1, &QAction::triggered, this, [this] { Text->redo(); });
    onSignal(Cut1, &QAction::triggered, this, [this] { Text->cut(); });
    onSignal(Copy1, &QAction::triggered, this, [this] { Text->copy(); });
    onSignal(Paste1, &QAction::triggered, this, [this] { Text->paste(); });
    onSignal(Selectall1, &QAction::triggered, this, [this] { Text->selectAll(); });
    Undo1->setEnabled(false);
    Redo1->setEnabled(false);
    Cut1->setEnabled(false);
    Copy1->setEnabled(false);
    connect(Text, &QPlainTextEdit::undoAvailable, Undo1, &QAction::setEnabled);
    connect(Text, &QPlainTextEdit::redoAvailable, Redo1, &QAction::setEnabled);
    connect(Text, &QPlainTextEdit::copyAvailable, Cut1, &QAction::setEnabled);
    connect(Text, &QPlainTextEdit::copyAvailable, Copy1, &QAction::setEnabled);

    onSignal(Find1, &QAction::triggered, this, [this] { Find1Click(); });
    onSignal(Findnext1, &QAction::triggered, this, [this] { findNext(false); });
    onSignal(Findprevious1, &QAction::triggered, this, [this] { findNext(true); });
    onSignal(FindNextButton, &QPushButton::clicked, this, [this] { findNext(false); });
    onSignal(FindPrevious, &QPushButton::clicked, this, [this] { findNext(true); });
    // Enter finds the next place, Shift+Enter the one before.
    onSignal(FindText, &QLineEdit::returnPressed, this,
             [this] { findNext(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    onSignal(FindText, &QLineEdit::textEdited, this, [this] { FindStatus->clear(); });
    onSignal(CloseFind, &QPushButton::clicked, this, [this] { closeFindBar(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), FindBar);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    onSignal(escape, &QShortcut::activated, this, [this] { closeFindBar(); });

    onSignal(Errors, &QListWidget::itemActivated, this, [this] { goToError(Errors->currentRow()); });
    onSignal(Errors, &QListWidget::itemClicked, this, [this] { goToError(Errors->currentRow()); });
    onSignal(Text, &QPlainTextEdit::textChanged, this, [this] { textChanged(); });
    onSignal(Text, &QPlainTextEdit::cursorPositionChanged, this, [this] { showPosition(); });
    onSignal(recountTimer_, &QTimer::timeout, this, [this] { startRecount(); });
    onSignal(recount_, &QFutureWatcher<CompiledTriggers>::finished, this, [this] { recountFinished(); });
}

void Ttriggerform::showTriggers(const TriggerList& triggers, const QString& location, const QString& origin) {
    {
        const QScopedValueRollback<bool> setting(settingText_, true);
        Text->setPlainText(triggersToText(triggers));
    }
    // A count under way is for the text that was there before.
    ++textVersion_;
    recountTimer_->stop();
    recountPending_ = false;
    location_ = location;
    SetCaption(triggerFormCaption(location.isEmpty() ? QString() : locationDisplayName(location), origin));
    showErrors({});
    CompiledTriggers counted;
    counted.triggers = triggers;
    showCount(counted);
    Text->moveCursor(QTextCursor::Start);
    showPosition();
}

void Ttriggerform::openTriggerFile(const QString& location) {
    const QByteArray bytes = readWholeFile(location);
    if (const QString problem = triggerFileLoadProblem(bytes); !problem.isEmpty())
        throw Exception(problem);
    showTriggers(triggersFromFile(bytes), location, QString());
    // The next open dialog starts from this file, whichever way it came.
    Opentriggers.FileName = dialogPathOf(location);
}

bool Ttriggerform::OpenChosenTriggerfile(const QString& fileName) {
    const std::optional<QString> location = openLocationFor(fileName, kTriggerFiles, this);
    if (!location)
        return false;
    openTriggerFile(*location);
    return true;
}

void Ttriggerform::Newfile1Click() { showTriggers({}, QString(), QString()); }

bool Ttriggerform::Openfile1Click(QWidget* parent) {
    return Opentriggers.Execute(parent) && OpenChosenTriggerfile(Opentriggers.FileName);
}

bool Ttriggerform::Importfrommap1Click(QWidget* parent) {
    if (!Openmap.Execute(parent))
        return false;
    importMapTriggers(Openmap.FileName);
    return true;
}

void Ttriggerform::importMapTriggers(const QString& map) {
    TriggerList triggers;
    try {
        triggers = readMapTriggers(map);
    } catch (const Exception& e) {
        throw Exception(mapImportProblem(locationDisplayName(map), e.message()));
    }
    showTriggers(triggers, QString(), locationDisplayName(map));
}

bool Ttriggerform::compileForSave(CompiledTriggers& compiled) {
    compiled = compileTriggerText(Text->toPlainText());
    showCount(compiled);
    showErrors(compiled.errors);
    if (compiled.ok())
        return true;
    // The list says why nothing was written; Enter on an error goes to it.
    Errors->setCurrentRow(0);
    Errors->setFocus();
    return false;
}

bool Ttriggerform::saveTo(const QString& location, const CompiledTriggers& compiled) {
    writeFileAtomically(location, triggerFileBytes(compiled.triggers));
    location_ = location;
    SetCaption(triggerFormCaption(locationDisplayName(location), QString()));
    return true;
}

bool Ttriggerform::Savefile1Click() {
    if (location_.isEmpty())
        return Saveasfile1Click();
    CompiledTriggers compiled;
    return compileForSave(compiled) && saveTo(location_, compiled);
}

bool Ttriggerform::Saveasfile1Click() {
    // Where to write is asked only for a text that can be written.
    CompiledTriggers compiled;
    if (!compileForSave(compiled))
        return false;
    if (!location_.isEmpty())
        Savetriggers.FileName = dialogPathOf(location_);
    if (!Savetriggers.Execute(this))
        return false;
    const QString proposed = proposedMember(location_, QStringLiteral("triggers\\"), QStringLiteral("trg"));
    const std::optional<QString> location = saveLocationFor(Savetriggers.FileName, proposed, this);
    return location && saveTo(*location, compiled);
}

void Ttriggerform::showErrors(std::vector<TriggerTextError> errors) {
    const auto same = [](const TriggerTextError& a, const TriggerTextError& b) {
        return a.line == b.line && a.column == b.column && a.message == b.message;
    };
    // The same list again keeps the row the user is on.
    if (std::equal(errors.begin(), errors.end(), errors_.begin(), errors_.end(), same))
        return;
    const int row = Errors->currentRow();
    errors_ = std::move(errors);
    Errors->clear();
    for (const TriggerTextError& error : errors_)
        Errors->addItem(triggerErrorText(error));
    if (row >= 0 && !errors_.empty())
        Errors->setCurrentRow(std::min(row, Errors->count() - 1));
    if (Errors->isHidden() == errors_.empty())
        return;
    Errors->setVisible(!errors_.empty());
    // The editor grows or shrinks by the list: the line being typed stays in view.
    client()->layout()->activate();
    Text->ensureCursorVisible();
}

void Ttriggerform::goToError(int row) {
    if (row < 0 || row >= static_cast<int>(errors_.size()))
        return;
    const TriggerTextError& error = errors_[static_cast<std::size_t>(row)];
    QTextDocument* document = Text->document();
    QTextBlock block = document->findBlockByNumber(error.line - 1);
    if (!block.isValid())
        block = document->lastBlock();
    // The column may lie past the line's end (an error at the end of the text).
    const int column = std::clamp(error.column - 1, 0, block.length() - 1);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + column);
    Text->setTextCursor(cursor);
    Text->ensureCursorVisible();
    Text->setFocus();
}

void Ttriggerform::showCount(const CompiledTriggers& compiled) { Count->setText(triggerCountText(compiled)); }

void Ttriggerform::textChanged() {
    if (settingText_)
        return;
    ++textVersion_;
    recountTimer_->start();
}

void Ttriggerform::startRecount() {
    // One count at a time; the one under way starts the next when it ends.
    if (counting_) {
        recountPending_ = true;
        return;
    }
    counting_ = true;
    countingVersion_ = textVersion_;
    // A text of thousands of triggers takes a good part of a second to
    // compile: the window keeps taking keys meanwhile.
    auto promise = std::make_shared<QPromise<CompiledTriggers>>();
    recount_->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, text = Text->toPlainText()] {
        promise->start();
        promise->addResult(compileTriggerText(text));
        promise->finish();
    });
}

void Ttriggerform::recountFinished() {
    counting_ = false;
    if (std::exchange(recountPending_, false)) {
        startRecount();
        return;
    }
    // Older than the text: the newer text's pause brings its own count, or a load gave it.
    if (countingVersion_ != textVersion_)
        return;
    const CompiledTriggers compiled = recount_->result();
    showCount(compiled);
    // A list of errors from Save follows the text until they are mended.
    if (!errors_.empty())
        showErrors(compiled.errors);
}

void Ttriggerform::showPosition() {
    const QTextCursor cursor = Text->textCursor();
    Position->setText(cursorPositionText(cursor.blockNumber() + 1, cursor.positionInBlock() + 1));
}

void Ttriggerform::Find1Click() {
    FindBar->show();
    // The selected text is what one usually looks for next.
    const QString selected = Text->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        FindText->setText(selected);
    FindText->selectAll();
    FindText->setFocus();
}

bool Ttriggerform::findNext(bool backwards) {
    if (FindText->text().isEmpty()) {
        Find1Click();
        return false;
    }
    QTextDocument::FindFlags flags;
    if (backwards)
        flags |= QTextDocument::FindBackward;
    if (MatchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    const QTextCursor cursor = Text->textCursor();
    const int from = backwards ? cursor.selectionStart() : cursor.selectionEnd();
    const int wrapFrom = backwards ? Text->document()->characterCount() - 1 : 0;
    const bool found = findFrom(Text, FindText->text(), flags, from) || findFrom(Text, FindText->text(), flags, wrapFrom);
    FindStatus->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}

void Ttriggerform::closeFindBar() {
    FindBar->hide();
    Text->setFocus();
}

}  // namespace pellax
