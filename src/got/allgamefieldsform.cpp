#include "got/allgamefieldsform.h"

#include "controls/titlebar.h"
#include "controls/titlebardescription.h"
#include "framework/widgets/bitbtn.h"
#include "framework/windows/application.h"
#include "got/gamecheck.h"
#include "got/triggerfilerow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>

#include <memory>

namespace pellax {

namespace {

// Eight fields a column, in the order of the file: top to bottom, then the next column.
constexpr int kRowsPerColumn = 8;

QString rangeText(const GameField& field) {
    return QStringLiteral("%1 takes a number from 0 to %2.").arg(QLatin1String(field.name)).arg(field.maxValue());
}

}  // namespace

TAllGameFieldsForm::TAllGameFieldsForm(QWidget* parent) : TForm(QStringLiteral("allgamefieldsform"), parent) {
    BeginLoading();
    SetCaption(QStringLiteral("All game fields"));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poMainFormCenter);
    SetColor(clBlack);
    SetFont(TFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite});
    buildControls();
    ROTitleBar1 = &make<TROTitleBar>(QStringLiteral("ROTitleBar1"));
    describeTitleBar(*ROTitleBar1, programTitleBar());
    setAccessibleName(QStringLiteral("All game fields"));
    EndLoading();
}

TAllGameFieldsForm::~TAllGameFieldsForm() = default;

void TAllGameFieldsForm::buildControls() {
    auto* grid = new QGridLayout(client());
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    // Digits only; the width of each field is checked as the value is taken.
    static const QRegularExpression kDigits(QStringLiteral("[0-9]{0,10}"));
    int place = 0;
    for (const GameField& field : kGameFields) {
        if (!field.isValue())
            continue;
        const std::size_t i = static_cast<std::size_t>(field.id);
        const int row = place % kRowsPerColumn;
        const int column = 2 * (place++ / kRowsPerColumn);
        auto* label = new QLabel(QLatin1String(field.name), client());
        QWidget* control = nullptr;
        if (!field.values.empty()) {
            auto* combo = new QComboBox(client());
            // Drawn as the editor's combo boxes are, a field with its button; only the list chooses.
            combo->setEditable(true);
            combo->lineEdit()->setReadOnly(true);
            onSignal(combo, &QComboBox::currentIndexChanged, this, [this] { takeValues(); });
            choices_[i] = combo;
            control = combo;
        } else {
            auto* edit = new QLineEdit(client());
            edit->setValidator(new QRegularExpressionValidator(kDigits, edit));
            onSignal(edit, &QLineEdit::textChanged, this, [this] { takeValues(); });
            numbers_[i] = edit;
            control = edit;
        }
        control->setObjectName(QLatin1String(field.key ? field.key : field.name));
        control->setAccessibleName(QLatin1String(field.name));
        control->setMinimumWidth(150);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        grid->addWidget(control, row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 140);
    TriggerFile = new TriggerFileRow(client(), grid, kRowsPerColumn, 4);

    auto* findingsLabel = new QLabel(QStringLiteral("What the game makes of it"), client());
    grid->addWidget(findingsLabel, kRowsPerColumn + 1, 0, 1, 4);
    Findings = new QListWidget(client());
    Findings->setObjectName(QStringLiteral("Findings"));
    Findings->setAccessibleName(QStringLiteral("What the game makes of it"));
    Findings->setWordWrap(true);
    Findings->setFixedHeight(5 * Findings->fontMetrics().height() + 8);
    findingsLabel->setBuddy(Findings);
    grid->addWidget(Findings, kRowsPerColumn + 2, 0, 1, 4);

    auto buttons = std::make_unique<QHBoxLayout>();
    buttons->addStretch(1);
    OK = new TBitBtn(client());
    OK->setObjectName(QStringLiteral("OK"));
    OK->SetKind(TBitBtnKind::bkOK);
    Cancel = new QPushButton(QStringLiteral("Cancel"), client());
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAccessibleName(QStringLiteral("Cancel"));
    onSignal(Cancel, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    for (QPushButton* button : {static_cast<QPushButton*>(OK), Cancel}) {
        button->setMinimumWidth(75);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons.release(), kRowsPerColumn + 3, 0, 1, 4);

    const QSize size = grid->sizeHint();
    SetClientSize(size.width(), size.height());
}

QWidget* TAllGameFieldsForm::control(GameFieldId id) const {
    const auto i = static_cast<std::size_t>(id);
    return choices_[i] ? static_cast<QWidget*>(choices_[i]) : numbers_[i];
}

void TAllGameFieldsForm::setRecord(const GameTypeRecord& record) {
    record_ = record;
    {
        const QScopedValueRollback<bool> filling(filling_, true);
        for (const GameField& field : kGameFields) {
            const std::size_t i = static_cast<std::size_t>(field.id);
            const std::uint32_t value = record_.value(field);
            if (QComboBox* combo = choices_[i]) {
                combo->clear();
                // The game's names, and the value as it stands where it has none, so that it is kept.
                for (const GameValue& named : field.values)
                    combo->addItem(QLatin1String(named.name), QVariant::fromValue(named.value));
                if (!gameValueName(field, value))
                    combo->addItem(QString::number(value), QVariant::fromValue(value));
                combo->setCurrentIndex(combo->findData(QVariant::fromValue(value)));
            } else if (numbers_[i]) {
                numbers_[i]->setText(QString::number(value));
            }
        }
    }
    takeValues();
}

void TAllGameFieldsForm::takeValues() {
    if (filling_)
        return;
    QStringList problems;
    for (const GameField& field : kGameFields) {
        const std::size_t i = static_cast<std::size_t>(field.id);
        if (QComboBox* combo = choices_[i]) {
            record_.setValue(field, combo->currentData().value<std::uint32_t>());
        } else if (!numbers_[i]) {
            continue;
        } else if (const std::optional<std::uint32_t> number = parseGameNumber(field, numbers_[i]->text())) {
            record_.setValue(field, *number);
        } else {
            problems.append(rangeText(field));
        }
    }
    // A number out of its width would be stored as another: OK waits until it fits.
    OK->setEnabled(problems.isEmpty());
    TriggerFile->show(record_);
    if (problems.isEmpty())
        problems = gameRecordFindings(record_);
    if (problems.isEmpty())
        problems.append(QStringLiteral("The game reads this game type as it stands."));
    Findings->clear();
    Findings->addItems(problems);
}

void TAllGameFieldsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        SetModalResult(mrCancel);
        return;
    }
    TForm::keyPressEvent(event);
}

}  // namespace pellax
