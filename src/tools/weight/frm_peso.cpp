// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_peso.h"

#include <algorithm>

#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "tape_reports.h"
#include "one_accessible_object.h"
#include "decimal_field.h"
#include "field_looks.h"
#include "typed_length.h"
#include "twips.h"

using namespace numerette;
using namespace numerette::weight;

namespace {

constexpr int ScaleRowHeight = 16;

// Where the scale's labels sit for each sex, in twips.
struct ScaleLayout {
    int minWidth;
    int tol1Left;
    int tol2Width;
    int tol2Left;
    int maxLeft;
    int maxWidth;
};
constexpr ScaleLayout ManScale{1300, 1180, 200, 2120, 2120, 1305};
constexpr ScaleLayout WomanScale{1200, 1080, 255, 2220, 2220, 1200};

QLineEdit* field(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QLineEdit* limitField(const QString& name, QWidget* parent)
{
    QLineEdit* edit = field(name, parent);
    showAsReadOnly(*edit);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QLabel* scaleLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

// An end of the scale drawn as text: its word and as many tick marks as `room` pixels hold,
// the word at the left end ("| Thin | | |") or at the right ("| | | Obese |"), so the word
// always shows whole.
enum class WordAt { Left, Right };

void fillScaleEnd(QLabel& label, const QString& word, WordAt at, int room)
{
    const QFontMetrics metrics(label.font());
    const QString tick = QStringLiteral(" |");
    QString text = at == WordAt::Left ? QStringLiteral("| ") + word : QStringLiteral("|");
    const QString end = at == WordAt::Left ? QString() : QLatin1Char(' ') + word + tick;
    while (metrics.horizontalAdvance(text + tick + end) <= std::min(room, label.width()))
        text += tick;
    label.setText(text + end);
}

} // namespace

frmPeso::frmPeso(TapeReports& reports, QWidget* parent)
    : ToolDialog(parent)
    , m_reports(reports)
    , m_locale(reports.numberLocale().withThousandsGrouping())
    , m_messageBoxes(std::make_unique<MessageBoxPrompts>(this, QStringLiteral(" Numerette")))
    , m_prompts(m_messageBoxes.get())
{
    setObjectName(QStringLiteral("frmPeso"));
    numerette::closeWhenAnotherWindowIsActive(*this);
    setWindowTitle(tr(" Ideal Weight"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildResult());
    //: Source of the weight bands, under the result
    auto* survey = new QLabel(tr("National Health and Nutrition Examination Survey - by USA - 1976/1980"), this);
    survey->setCursor(Qt::PointingHandCursor);
    layout->addWidget(survey);

    for (auto* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    m_option2->setChecked(true);
    layOutScale();
}

frmPeso::~frmPeso() = default;

QWidget* frmPeso::buildFields()
{
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    // A height in centimetres is shown in metres whole, even past what may be typed.
    m_txtAltura = field(QStringLiteral("txtAltura"), box);
    limitTypedLength(*m_txtAltura, 4);
    //: Tooltip of the height field
    m_txtAltura->setToolTip(tr(" Your Height "));
    m_txtPeso = field(QStringLiteral("txtPeso"), box);
    limitTypedLength(*m_txtPeso, 6);
    //: Tooltip of the weight field
    m_txtPeso->setToolTip(tr(" Your Weight "));
    for (auto* edit : {m_txtAltura, m_txtPeso})
        makeDecimalField(*edit, m_reports.numberLocale().decimal);

    auto* lblAltura = new QLabel(tr("&Height (m)"), box);
    lblAltura->setObjectName(QStringLiteral("lblAltura"));
    lblAltura->setBuddy(m_txtAltura);
    auto* lblPeso = new QLabel(tr("W&eight (Kg)"), box);
    lblPeso->setObjectName(QStringLiteral("lblPeso"));
    lblPeso->setBuddy(m_txtPeso);
    form->addRow(lblAltura, m_txtAltura);
    form->addRow(lblPeso, m_txtPeso);

    m_option1 = new QRadioButton(tr("&Man"), box);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option1->setToolTip(tr(" for man "));
    m_option2 = new QRadioButton(tr("&Woman"), box);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_option2->setToolTip(tr(" for woman "));
    auto* sexes = new QHBoxLayout;
    for (auto* option : {m_option1, m_option2}) {
        option->setCursor(Qt::PointingHandCursor);
        sexes->addWidget(option);
        connect(option, &QRadioButton::clicked, this, &frmPeso::sexChosen);
    }
    m_image2 = new QLabel(QStringLiteral("\u2640"), box);
    m_image2->setObjectName(QStringLiteral("Image2"));
    sexes->addWidget(m_image2);
    form->addRow(sexes);

    auto* cmdHomem = new QPushButton(tr("&Calculate"), box);
    cmdHomem->setObjectName(QStringLiteral("cmdHomem"));
    connect(cmdHomem, &QPushButton::clicked, this, &frmPeso::cmdHomem_Click);
    form->addRow(cmdHomem);

    connect(m_txtPeso, &QLineEdit::textChanged, this, [this] {
        m_lblResultado->clear();
        m_reported.reset();
    });
    return box;
}

QGroupBox* frmPeso::buildResult()
{
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* form = new QFormLayout(m_frame1);
    // The captions end in a comparison sign; the fields' accessible names say it in words.
    const auto addLimit = [&](const char* name, const char* labelName, const QString& caption, const QString& spoken) {
        QLineEdit* edit = limitField(QLatin1String(name), m_frame1);
        edit->setAccessibleName(spoken);
        auto* label = new QLabel(caption, m_frame1);
        label->setObjectName(QString::fromUtf8(labelName));
        label->setBuddy(edit);
        form->addRow(label, edit);
        return edit;
    };
    //: Caption of the weight above which one is obese
    m_txtObeso = addLimit("txtObeso", "lblObeso", tr("Obese >"), tr("Obese above"));
    //: Caption of the weight above which one is fat
    m_txtGordo = addLimit("txtGordo", "lblGordo", tr("Fat >"), tr("Fat above"));
    //: Caption of the weight above which one is overweight
    m_txtSobrepeso = addLimit("txtSobrepeso", "lblSobrepeso", tr("Overweight >"), tr("Overweight above"));
    //: Caption of the medium (ideal) weight
    m_txtIdeal = addLimit("txtIdeal", "lblMédia", tr("Medium ="), tr("Medium weight"));
    //: Caption of the weight below which one is thin
    m_txtMagro = addLimit("txtMagro", "lblMagro", tr("Thin <"), tr("Thin below"));
    form->addRow(buildScale());
    m_lblResultado = new QLabel(m_frame1);
    m_lblResultado->setObjectName(QStringLiteral("lblResultado"));
    m_lblResultado->setCursor(Qt::PointingHandCursor);
    form->addRow(m_lblResultado);
    return m_frame1;
}

QWidget* frmPeso::buildScale()
{
    m_scale = new QWidget(m_frame1);
    QWidget* scale = m_scale;
    scale->setObjectName(QStringLiteral("scale"));
    // Its tick marks and arrow mean one thing, which band the weight falls in.
    readAsOneObject(*scale);
    scale->setAccessibleName(tr("Weight scale"));
    scale->setAccessibleDescription(tr("No result"));
    scale->setFixedSize(pixelsOf(3600), 3 * ScaleRowHeight);
    auto* lblMedidor = scaleLabel(QStringLiteral("lblMedidor"), QStringLiteral("| | | | | | | | x | | | | | | | |"), scale);
    lblMedidor->setGeometry(0, 0, pixelsOf(3600), ScaleRowHeight);
    // The ends take their ticks from their width, set with the sex.
    m_lblMin = scaleLabel(QStringLiteral("lblMin"), QString(), scale);
    m_lblTol1 = scaleLabel(QStringLiteral("lblTol1"), QStringLiteral("|"), scale);
    m_lblTol2 = scaleLabel(QStringLiteral("lblTol2"), QStringLiteral("|"), scale);
    m_lblMax = scaleLabel(QStringLiteral("lblMax"), QString(), scale);
    m_imgSeta = scaleLabel(QStringLiteral("imgSeta"), QStringLiteral("\u25B2"), scale);
    placeArrow(0);
    return scale;
}

void frmPeso::layOutScale()
{
    const ScaleLayout& at = sex() == Sex::Man ? ManScale : WomanScale;
    m_lblMin->setGeometry(0, ScaleRowHeight, pixelsOf(at.minWidth), ScaleRowHeight);
    m_lblTol1->setGeometry(pixelsOf(at.tol1Left), ScaleRowHeight, pixelsOf(200), ScaleRowHeight);
    m_lblTol2->setGeometry(pixelsOf(at.tol2Left), ScaleRowHeight, pixelsOf(at.tol2Width), ScaleRowHeight);
    m_lblMax->setGeometry(pixelsOf(at.maxLeft), ScaleRowHeight, pixelsOf(at.maxWidth), ScaleRowHeight);
    // The thin end's ticks stop a blank short of the thin limit's mark.
    const int thinRoom = pixelsOf(at.tol1Left) - m_lblMin->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    //: Word at the left (thin) end of the weight scale; a short word keeps more tick marks
    fillScaleEnd(*m_lblMin, tr("Thin", "scale end"), WordAt::Left, thinRoom);
    //: Word at the right (obese) end of the weight scale; a short word keeps more tick marks
    fillScaleEnd(*m_lblMax, tr("Obese", "scale end"), WordAt::Right, m_lblMax->width());
    m_image2->setVisible(sex() == Sex::Woman);
}

void frmPeso::placeArrow(int twips)
{
    m_arrowTwips = twips;
    // The scale starts at the arrow's lowest position.
    m_imgSeta->setGeometry(pixelsOf(twips - ArrowMinTwips), 2 * ScaleRowHeight, pixelsOf(300), ScaleRowHeight);
}

// Where the arrow points, as the scale is read aloud.
QString frmPeso::bandName(WeightClass weightClass)
{
    switch (weightClass) {
    case WeightClass::Thin: return tr("Thin");
    case WeightClass::Normal: return tr("Normal weight");
    case WeightClass::Overweight: return tr("Overweight");
    case WeightClass::Fat: return tr("Fat");
    case WeightClass::Obese: return tr("Obese");
    }
    return {};
}

Sex frmPeso::sex() const
{
    return m_option1->isChecked() ? Sex::Man : Sex::Woman;
}

void frmPeso::setPrompts(ToolPrompts& prompts)
{
    m_prompts = &prompts;
}

void frmPeso::sexChosen()
{
    layOutScale();
    if (ValueOf(m_txtAltura->text(), m_locale) && ValueOf(m_txtPeso->text(), m_locale))
        cmdHomem_Click();
}

void frmPeso::cmdHomem_Click()
{
    const Weighing result = weigh(m_txtAltura->text(), m_txtPeso->text(), sex(), m_locale);
    if (m_txtAltura->text() != result.heightText)
        m_txtAltura->setText(result.heightText);
    if (result.invalid) {
        clearResult();
        const bool height = *result.invalid == Invalid::Height;
        m_prompts->show(PromptIcon::Information, height ? tr("Height Invalid!") : tr("Weight Invalid!"));
        (height ? m_txtAltura : m_txtPeso)->setFocus();
        return;
    }
    m_txtMagro->setText(result.limits.thin);
    m_txtIdeal->setText(result.limits.medium);
    m_txtSobrepeso->setText(result.limits.overweight);
    m_txtGordo->setText(result.limits.fat);
    m_txtObeso->setText(result.limits.obese);
    placeArrow(result.arrowTwips);
    m_scale->setAccessibleDescription(bandName(result.weightClass));
    //: Title of the result frame; %1 is the weight class (THIN, NORMAL, OVERWEIGHT, FAT, OBESE)
    m_frame1->setTitle(tr("Result = %1").arg(classWord(result.weightClass)));
    m_lblResultado->setText(QString(result.advice).replace(u'\r', u'\n'));
    m_reported = Reported{sex(), m_txtAltura->text(), m_txtPeso->text(), result.limits};
}

// A refused height or weight leaves no result of an earlier calculation behind.
void frmPeso::clearResult()
{
    for (QLineEdit* limit : {m_txtMagro, m_txtIdeal, m_txtSobrepeso, m_txtGordo, m_txtObeso})
        limit->clear();
    m_frame1->setTitle(QString());
    m_lblResultado->clear();
    placeArrow(0);
    m_scale->setAccessibleDescription(tr("No result"));
    m_reported.reset();
}

void frmPeso::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        if (m_reported) {
            m_reports.appendReportLines(weightReport(m_reported->sex, m_reported->heightText, m_reported->weightText,
                                                     m_reported->limits, m_locale));
        }
        if (parentWidget() && m_reports.calculatorShown())
            parentWidget()->activateWindow();
    }
    ToolDialog::done(result);
}

bool frmPeso::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        emit keyReleased();
    return ToolDialog::eventFilter(watched, event);
}

void frmPeso::showEvent(QShowEvent* event)
{
    ToolDialog::showEvent(event);
    m_closed = false;
    m_txtAltura->setFocus();
}
