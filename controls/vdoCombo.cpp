#include "vdoCombo.h"

#include "ComboLayout.h"
#include "FieldColours.h"
#include "PropertyBag.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

QString vdoCombo::defaultItemText(int index)
{
    return QStringLiteral("List Item %1").arg(index);
}

vdoCombo::vdoCombo(QWidget *parent)
    : QWidget(parent), Combo1(new QComboBox(this)), lblCaption(new QLabel(this))
{
    Combo1->setObjectName(QStringLiteral("Combo1"));
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    setFocusProxy(Combo1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Combo1->installEventFilter(this);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &vdoCombo::onClick);
    resize(sizeHint());
    arrange();
}

vdoCombo::~vdoCombo() = default;

QSize vdoCombo::sizeHint() const
{
    return {200, Combo1->sizeHint().height()};
}

void vdoCombo::AddItem(const QString &ItemText)
{
    // A plain list selects nothing when an item is added, unlike QComboBox's first item.
    {
        const QSignalBlocker blocker(Combo1);
        const int current = Combo1->currentIndex();
        Combo1->addItem(ItemText);
        Combo1->setCurrentIndex(current);
    }
    emit settingChanged(QStringLiteral("ListCount"));
}

void vdoCombo::Clear()
{
    const QSignalBlocker blocker(Combo1);
    Combo1->clear();
}

QString vdoCombo::ListItem(int Index) const
{
    return Combo1->itemText(Index);
}

int vdoCombo::listIndex() const
{
    return Combo1->currentIndex();
}

void vdoCombo::setListIndex(int index)
{
    Combo1->setCurrentIndex(index);
}

bool vdoCombo::comboEnabled() const
{
    return Combo1->isEnabled();
}

QString vdoCombo::caption() const
{
    return lblCaption->text();
}

void vdoCombo::setCaption(const QString &caption)
{
    lblCaption->setText(caption);
    lblCaption->adjustSize();
    arrange();
}

void vdoCombo::setComboLeft(int left)
{
    m_comboLeft = left;
    arrange();
}

int vdoCombo::listCount() const
{
    return Combo1->count();
}

QStringList vdoCombo::listItems() const
{
    QStringList items;
    for (int i = 0; i < Combo1->count(); ++i)
        items.append(Combo1->itemText(i));
    return items;
}

void vdoCombo::setListItems(const QStringList &items)
{
    Clear();
    for (const QString &item : items)
        AddItem(item);
}

void vdoCombo::readProperties(const PropertyBag &bag)
{
    m_eventsEnabled = bag.ReadProperty(QStringLiteral("EventsEnabled"), true).toBool();
    m_prevSelection = static_cast<qint16>(Combo1->currentIndex());
    setCaption(bag.ReadProperty(QStringLiteral("Caption"), QString()).toString());
    setComboLeft(bag.ReadProperty(QStringLiteral("ComboLeft"), 0).toInt());
    Clear();
    const int count = qBound(0, bag.ReadProperty(QStringLiteral("ListCount"), 0).toInt(), MaxItems);
    const QSignalBlocker blocker(Combo1);
    for (int i = 0; i < count; ++i) {
        Combo1->addItem(
            bag.ReadProperty(QStringLiteral("ListItem%1").arg(i), defaultItemText(i)).toString());
    }
    Combo1->setCurrentIndex(-1);
}

void vdoCombo::writeProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("EventsEnabled"), m_eventsEnabled, true);
    bag.WriteProperty(QStringLiteral("Caption"), caption(), QString());
    bag.WriteProperty(QStringLiteral("ComboLeft"), m_comboLeft, 0);
    bag.WriteProperty(QStringLiteral("ListCount"), Combo1->count(), 0);
    for (int i = 0; i < Combo1->count(); ++i) {
        bag.WriteProperty(QStringLiteral("ListItem%1").arg(i), Combo1->itemText(i),
                          defaultItemText(i));
    }
}

void vdoCombo::onClick()
{
    qint16 newSelection = static_cast<qint16>(Combo1->currentIndex());
    bool cancel = false;
    if (m_eventsEnabled)
        emit BeforeClick(&cancel, &newSelection, &m_prevSelection);
    if (cancel) {
        // Putting the old selection back runs this handler again, silently.
        m_eventsEnabled = false;
        Combo1->setCurrentIndex(m_prevSelection);
        m_eventsEnabled = true;
        return;
    }
    if (m_eventsEnabled) {
        newSelection = static_cast<qint16>(Combo1->currentIndex());
        emit AfterClick(&newSelection, &m_prevSelection);
    }
    m_prevSelection = newSelection;
}

void vdoCombo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void vdoCombo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        applyEnabledColours();
    QWidget::changeEvent(event);
}

void vdoCombo::applyEnabledColours()
{
    applyFieldBackground(Combo1, isEnabled());
    // The caption keeps its normal colour while the list is disabled.
    QPalette labelPal = lblCaption->palette();
    labelPal.setColor(QPalette::Disabled, QPalette::WindowText,
                      labelPal.color(QPalette::Active, QPalette::WindowText));
    lblCaption->setPalette(labelPal);
}

bool vdoCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Combo1) {
        if (event->type() == QEvent::FocusIn)
            colourCaption(true);
        else if (event->type() == QEvent::FocusOut)
            colourCaption(false);
    }
    return QWidget::eventFilter(watched, event);
}

void vdoCombo::colourCaption(bool focused)
{
    const QPalette system = QApplication::palette(this);
    QPalette pal = lblCaption->palette();
    const QColor colour = system.color(focused ? QPalette::Highlight : QPalette::WindowText);
    pal.setColor(QPalette::Active, QPalette::WindowText, colour);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    lblCaption->setPalette(pal);
}

double vdoCombo::logicalDpi() const
{
    const QScreen *s = screen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

void vdoCombo::arrange()
{
    ComboLayoutInput in;
    in.dpi = logicalDpi();
    in.control = size();
    in.label = lblCaption->size();
    in.listHeight = Combo1->sizeHint().height();
    in.hasCaption = !lblCaption->text().isEmpty();
    in.comboLeft = m_comboLeft;
    const ComboPlacement p = ComboLayout::arrange(in);

    // The control is always exactly one list high; only the height changes here.
    if (p.control != size())
        resize(p.control);
    lblCaption->move(p.labelPos);
    lblCaption->setVisible(p.labelVisible);
    if (p.listVisible)
        Combo1->setGeometry(p.list);
    Combo1->setVisible(p.listVisible);
}
