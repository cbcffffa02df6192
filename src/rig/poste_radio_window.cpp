#include "rig/poste_radio_window.h"
#include "platform/messages.h"
#include "rig/rig_bands.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "logbook/app_context.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

namespace {

#ifdef Q_OS_WIN
// The COM ports Windows knows of, in their numbers' order (COM3 before COM10).
QStringList serialPorts()
{
    const QSettings map(QStringLiteral("HKEY_LOCAL_MACHINE\\HARDWARE\\DEVICEMAP\\SERIALCOMM"), QSettings::NativeFormat);
    QStringList ports;
    for (const QString& key : map.allKeys())
        ports << map.value(key).toString();
    std::sort(ports.begin(), ports.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return ports;
}
#else
// Serial lines present on this machine: USB adapters first.
QStringList serialPorts()
{
    const QDir dev(QStringLiteral("/dev"));
    QStringList ports;
    for (const QString& pattern : {QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*"), QStringLiteral("ttyS[0-3]")})
        for (const QString& name : dev.entryList({pattern}, QDir::System, QDir::Name))
            ports << dev.filePath(name);
    return ports;
}
#endif

} // namespace

PosteRadio::PosteRadio(AppContext& context, RigControl& rigControl, QWidget* parent)
    : QWidget(parent), ctx(context), control(rigControl), models(rigControl.models())
{
    setObjectName(QStringLiteral("Poste_Radio"));
    setWindowTitle(QStringLiteral("Poste radio"));
    buildControls();
    fill(loadRigConfig(*ctx.settings, ctx.stationSection()));
    Etat->setText(rigStateText(control.following(), control.lastReading()));
    connect(&control, &RigControl::readingChanged, this, [this](const RigReading& reading) { Etat->setText(rigStatusText(reading)); });
    connect(&control, &RigControl::followingChanged, this, [this](bool on) {
        Etat->setText(rigStateText(on));
    });
    connect(Modele, &QComboBox::currentIndexChanged, this, &PosteRadio::modelChosen);
    connect(Enregistrer, &QPushButton::clicked, this, &PosteRadio::save);
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);
}

void PosteRadio::buildControls()
{
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    Modele = new QComboBox;
    for (const RigModel& model : models)
        Modele->addItem(QStringLiteral("%1 (%2)").arg(model.name).arg(model.id), model.id);
    Modele->setMaxVisibleItems(20);
    Port_Serie = new QComboBox;
    Port_Serie->setEditable(true);
    Port_Serie->addItems(serialPorts());
    Vitesse = new QComboBox;
    for (int rate : rigBaudRates())
        Vitesse->addItem(QString::number(rate), rate);
    Adresse = new QLineEdit;
    Suivre = new QCheckBox(QStringLiteral("Suivre le poste"));
    Etat = new QLabel;
    Etat->setWordWrap(true); // a reason may be longer than the fields
    Enregistrer = new QPushButton(QStringLiteral("Enregistrer"));
    Fermer = new QPushButton(QStringLiteral("Fermer"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Modèle de poste"), named(Modele, "Modele"));
    form->addRow(QStringLiteral("Port série"), named(Port_Serie, "Port_Serie"));
    form->addRow(QStringLiteral("Vitesse (bauds)"), named(Vitesse, "Vitesse"));
    form->addRow(QStringLiteral("Adresse réseau (hôte:port)"), named(Adresse, "Adresse"));
    form->addRow(QString(), named(Suivre, "Suivre"));
    form->addRow(QStringLiteral("État"), named(Etat, "Etat"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(named(Enregistrer, "Enregistrer"));
    buttons->addWidget(named(Fermer, "Fermer"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(520);
}

void PosteRadio::fill(const RigConfig& config)
{
    Modele->setCurrentIndex(std::max(0, Modele->findData(config.model)));
    Port_Serie->setEditText(config.serialPort);
    const int rate = Vitesse->findData(config.baudRate);
    Vitesse->setCurrentIndex(rate >= 0 ? rate : Vitesse->findData(9600));
    Adresse->setText(config.address);
    Suivre->setChecked(config.follow);
    modelChosen();
}

RigPort PosteRadio::chosenPort() const
{
    const int index = Modele->currentIndex();
    return index >= 0 && index < models.size() ? models[index].port : RigPort::None;
}

void PosteRadio::modelChosen()
{
    // Only the way the chosen model is reached can be set.
    const RigPort port = chosenPort();
    Port_Serie->setEnabled(port == RigPort::Serial);
    Vitesse->setEnabled(port == RigPort::Serial);
    Adresse->setEnabled(port == RigPort::Network);
}

bool PosteRadio::save()
{
    RigConfig config;
    config.model = Modele->currentData().toInt();
    config.serialPort = Port_Serie->currentText().trimmed();
    config.baudRate = Vitesse->currentData().toInt();
    config.address = Adresse->text().trimmed();
    config.follow = Suivre->isChecked();
    const RigPort port = chosenPort();
    QString problem;
    if (Modele->currentIndex() < 0)
        problem = QStringLiteral("Choisissez le modèle du poste.");
    else if (port == RigPort::Network)
        problem = checkRigAddress(config.address);
    else if (port == RigPort::Serial && config.serialPort.isEmpty())
        problem = QStringLiteral("Choisissez le port série du poste.");
    if (!problem.isEmpty()) {
        ctx.messages->info(problem);
        return false;
    }
    if (port != RigPort::Network)
        config.address = loadRigConfig(*ctx.settings, ctx.stationSection()).address; // keep the last good address
    saveRigConfig(*ctx.settings, ctx.stationSection(), config);
    emit saved();
    return true;
}
