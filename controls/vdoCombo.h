#pragma once

#include "LiveObjectToken.h"
#include "VeldoSharedControlsGlobal.h"

#include <QWidget>

class QComboBox;
class QLabel;
class PropertyBag;

// Drop-down list with an optional caption, whose selection changes the host can veto.
// BeforeClick passes Cancel as a pointer: a slot connected directly (the default on the same
// thread) sets *Cancel = true to put the previous selection back.
class VELDO_CONTROLS_EXPORT vdoCombo : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassName", "VeldoSharedControls.vdoCombo")
    Q_CLASSINFO("ClassID", "{78EA9C8B-743C-410A-8553-253D9537BE47}")
    Q_CLASSINFO("InterfaceID", "{FF61053E-16CE-4580-9EE0-04ED2A493871}")
    Q_CLASSINFO("EventsID", "{5AA321C3-C787-4934-8A4E-DB5A87C7F0BE}")
    Q_CLASSINFO("DispId:0x68030000", "ListItem")
    Q_CLASSINFO("DispId:0x68030001", "ListCount")
    Q_CLASSINFO("DispId:0x68030002", "ComboLeft")
    Q_CLASSINFO("DispId:0x68030003", "Caption")
    Q_CLASSINFO("DispId:0x68030004", "Enabled")
    Q_CLASSINFO("DispId:0x68030005", "EventsEnabled")
    Q_CLASSINFO("DispId:0x68030006", "ListIndex")
    Q_CLASSINFO("DispId:0x6003000D", "AddItem")
    Q_CLASSINFO("DispId:0x6003000E", "Clear")
    Q_CLASSINFO("EventId:1", "BeforeClick")
    Q_CLASSINFO("EventId:2", "AfterClick")

    Q_PROPERTY(int ListIndex READ listIndex WRITE setListIndex DESIGNABLE false STORED false)
    Q_PROPERTY(bool EventsEnabled READ eventsEnabled WRITE setEventsEnabled)
    Q_PROPERTY(
        bool Enabled READ comboEnabled WRITE setEnabledProperty DESIGNABLE false STORED false)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int ComboLeft READ comboLeft WRITE setComboLeft)
    Q_PROPERTY(int ListCount READ listCount STORED false)
    // The items as the form designer saves them.
    Q_PROPERTY(QStringList ListItems READ listItems WRITE setListItems)

public:
    // The most items the list holds, and the text of an item saved without one.
    static constexpr int MaxItems = 32767;
    static QString defaultItemText(int index);

    explicit vdoCombo(QWidget *parent = nullptr);
    ~vdoCombo() override;

    Q_INVOKABLE void AddItem(const QString &ItemText);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE QString ListItem(int Index) const;

    int listIndex() const;
    void setListIndex(int index);
    bool eventsEnabled() const { return m_eventsEnabled; }
    void setEventsEnabled(bool enabled) { m_eventsEnabled = enabled; }
    bool comboEnabled() const;
    void setEnabledProperty(bool enabled) { QWidget::setEnabled(enabled); }
    QString caption() const;
    void setCaption(const QString &caption);
    int comboLeft() const { return m_comboLeft; }
    void setComboLeft(int left);
    int listCount() const;
    QStringList listItems() const;
    void setListItems(const QStringList &items);
    int prevSelection() const { return m_prevSelection; }

    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    QSize sizeHint() const override;

signals:
    void BeforeClick(bool *Cancel, qint16 *NewSelection, qint16 *PrevSelection);
    void AfterClick(qint16 *NewSelection, qint16 *PrevSelection);
    // A saved setting changed; the host's property store should save the form again.
    void settingChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrange();
    void onClick();
    void applyEnabledColours();
    void colourCaption(bool focused);
    double logicalDpi() const;

    QComboBox *Combo1;
    QLabel *lblCaption;

    bool m_eventsEnabled = true;
    qint16 m_prevSelection = -1;
    int m_comboLeft = 0;
    LiveObjectToken m_liveToken;
};
