#include "vdoEditBox.h"

#include "EditBoxLayout.h"
#include "FieldColours.h"
#include "KeyCodes.h"
#include "PropertyBag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <utility>

vdoEditBox::vdoEditBox(QWidget *parent)
    : QWidget(parent), Text1(new QLineEdit(this)), lblLeftCaption(new QLabel(this)),
      lblRightCaption(new QLabel(this))
{
    Text1->setObjectName(QStringLiteral("Text1"));
    lblLeftCaption->setObjectName(QStringLiteral("lblLeftCaption"));
    lblRightCaption->setObjectName(QStringLiteral("lblRightCaption"));
    setFocusProxy(Text1);
    // One line high in layouts, as a text box is.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, &vdoEditBox::onTextChanged);
    resize(sizeHint());
    arrange();
}

vdoEditBox::~vdoEditBox() = default;

QSize vdoEditBox::sizeHint() const
{
    return {160, Text1->sizeHint().height()};
}

QString vdoEditBox::text() const
{
    return Text1->text();
}

void vdoEditBox::setText(const QString &text)
{
    // A form built by uic or QUiLoader gives a new control its designed text before anyone has
    // seen it: that first text is a loaded setting, not an edit.
    if (m_awaitingFormText) {
        m_awaitingFormText = false;
        const bool eventsEnabled = std::exchange(m_eventsEnabled, false);
        Text1->setText(text);
        m_eventsEnabled = eventsEnabled;
        return;
    }
    Text1->setText(text);
}

void vdoEditBox::setTextLeft(int left)
{
    m_textLeft = left;
    arrange();
}

void vdoEditBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    arrange();
}

QString vdoEditBox::leftCaption() const
{
    return lblLeftCaption->text();
}

void vdoEditBox::setLeftCaption(const QString &caption)
{
    lblLeftCaption->setText(caption);
    lblLeftCaption->adjustSize();
    arrange();
    emit settingChanged(QStringLiteral("LeftCaption"));
}

void vdoEditBox::setTextWidth(int width)
{
    m_textWidth = width;
    arrange();
}

QString vdoEditBox::rightCaption() const
{
    return lblRightCaption->text();
}

void vdoEditBox::setRightCaption(const QString &caption)
{
    lblRightCaption->setText(caption);
    lblRightCaption->adjustSize();
    arrange();
    emit settingChanged(QStringLiteral("RightCaption"));
}

bool vdoEditBox::readOnly() const
{
    return Text1->isReadOnly();
}

void vdoEditBox::setReadOnly(bool readOnly)
{
    Text1->setReadOnly(readOnly);
    emit settingChanged(QStringLiteral("ReadOnly"));
}

void vdoEditBox::Clear()
{
    Text1->setText(QString());
}

void vdoEditBox::readProperties(const PropertyBag &bag)
{
    lblLeftCaption->setText(bag.ReadProperty(QStringLiteral("LeftCaption"), QString()).toString());
    lblLeftCaption->adjustSize();
    lblRightCaption->setText(
        bag.ReadProperty(QStringLiteral("RightCaption"), QString()).toString());
    lblRightCaption->adjustSize();
    m_autoSize = bag.ReadProperty(QStringLiteral("AutoSize"), false).toBool();
    m_textLeft = bag.ReadProperty(QStringLiteral("TextLeft"), 0).toInt();
    m_textWidth = bag.ReadProperty(QStringLiteral("TextWidth"), 0).toInt();
    m_eventsEnabled = bag.ReadProperty(QStringLiteral("EventsEnabled"), true).toBool();
    const QString heldText = bag.ReadProperty(QStringLiteral("Text"), QString()).toString();
    m_autoHighlight = bag.ReadProperty(QStringLiteral("AutoHighlight"), true).toBool();
    setEnabledProperty(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    setReadOnly(bag.ReadProperty(QStringLiteral("ReadOnly"), false).toBool());
    // Loading the text counts as no edit, even though it raises Change.
    m_awaitingFormText = false;
    setText(heldText);
    m_changed = false;
    arrange();
}

void vdoEditBox::writeProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("LeftCaption"), leftCaption(), QString());
    bag.WriteProperty(QStringLiteral("RightCaption"), rightCaption(), QString());
    bag.WriteProperty(QStringLiteral("AutoSize"), m_autoSize, false);
    bag.WriteProperty(QStringLiteral("TextLeft"), m_textLeft, 0);
    bag.WriteProperty(QStringLiteral("TextWidth"), m_textWidth, 0);
    bag.WriteProperty(QStringLiteral("EventsEnabled"), m_eventsEnabled, true);
    bag.WriteProperty(QStringLiteral("Text"), text(), QString());
    bag.WriteProperty(QStringLiteral("AutoHighlight"), m_autoHighlight, true);
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), true);
    bag.WriteProperty(QStringLiteral("ReadOnly"), readOnly(), false);
}

void vdoEditBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void vdoEditBox::showEvent(QShowEvent *event)
{
    m_awaitingFormText = false;
    QWidget::showEvent(event);
}

void vdoEditBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        applyEnabledColours();
    QWidget::changeEvent(event);
}

void vdoEditBox::applyEnabledColours()
{
    applyFieldBackground(Text1, isEnabled());
}

void vdoEditBox::arrange()
{
    EditBoxLayoutInput in;
    in.client = rect();
    in.leftLabel = lblLeftCaption->size();
    in.rightLabel = lblRightCaption->size();
    in.hasLeftCaption = !lblLeftCaption->text().isEmpty();
    in.hasRightCaption = !lblRightCaption->text().isEmpty();
    in.autoSize = m_autoSize;
    in.textLeft = m_textLeft;
    in.textWidth = m_textWidth;
    const EditBoxPlacement p = EditBoxLayout::arrange(in);

    if (p.text)
        Text1->setGeometry(*p.text);
    Text1->setVisible(p.textVisible);
    lblLeftCaption->move(p.leftPos);
    lblLeftCaption->setVisible(p.leftVisible);
    lblRightCaption->move(p.rightPos);
    lblRightCaption->setVisible(p.rightVisible);
    // Resizing runs the layout again, which then finds the same sizes.
    if (p.controlSize && *p.controlSize != size())
        resize(*p.controlSize);
}

void vdoEditBox::onTextChanged()
{
    m_awaitingFormText = false;
    if (!m_eventsEnabled)
        return;
    m_changed = true;
    emit Change();
}

bool vdoEditBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return filterKey(static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            colourCaptions(true);
            break;
        case QEvent::FocusOut:
            colourCaptions(false);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool vdoEditBox::filterKey(QKeyEvent *event)
{
    if (m_forwardingKey || !m_eventsEnabled)
        return false;
    qint16 keyCode = KeyCodes::keyCode(event->key());
    qint16 shift = KeyCodes::shiftMask(event->modifiers());
    if (event->type() == QEvent::KeyRelease) {
        emit KeyUp(&keyCode, &shift);
        return false;
    }
    emit KeyDown(&keyCode, &shift);
    if (keyCode == 0 && KeyCodes::keyCode(event->key()) != 0)
        return true; // the host swallowed the key

    const QString typed = event->text();
    if (typed.size() != 1 || typed.at(0).unicode() > 0x7FFF)
        return false; // no character: nothing to press
    qint16 keyAscii = static_cast<qint16>(typed.at(0).unicode());
    const qint16 original = keyAscii;
    emit KeyPress(&keyAscii);
    if (keyAscii == original)
        return false;
    if (keyAscii != 0) {
        // Deliver the substituted character as if it had been typed.
        QKeyEvent substitute(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(),
                             QString(QChar(static_cast<char16_t>(keyAscii))));
        m_forwardingKey = true;
        QCoreApplication::sendEvent(Text1, &substitute);
        m_forwardingKey = false;
    }
    return true;
}

void vdoEditBox::colourCaptions(bool focused)
{
    const QPalette system = QApplication::palette(this);
    const QColor colour = focused && m_autoHighlight ? system.color(QPalette::Highlight)
                                                     : system.color(QPalette::WindowText);
    for (QLabel *label : {lblLeftCaption, lblRightCaption}) {
        if (focused && label->isHidden())
            continue;
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
}
