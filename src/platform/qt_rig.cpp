#include "platform/qt_rig.h"
#include <hamlib/rig.h>
#include <algorithm>
#include <clocale>

namespace {

const QString notConnected = QStringLiteral("Poste non connecté");

RigPort portOf(rig_port_t type)
{
    switch (type) {
    case RIG_PORT_NONE: return RigPort::None;
    case RIG_PORT_SERIAL: return RigPort::Serial;
    case RIG_PORT_NETWORK:
    case RIG_PORT_UDP_NETWORK: return RigPort::Network;
    default: return RigPort::Other;
    }
}

int addModel(const rig_caps* caps, rig_ptr_t data)
{
    auto* list = static_cast<QList<RigModel>*>(data);
    const QString name = QString::fromLatin1(caps->mfg_name).trimmed() + QLatin1Char(' ')
        + QString::fromLatin1(caps->model_name).trimmed();
    list->append({int(caps->rig_model), name, portOf(caps->port_type)});
    return 1; // go on
}

bool setConf(RIG* rig, const char* name, const QByteArray& value)
{
    const token_t token = rig_token_lookup(rig, name);
    return token != RIG_CONF_END && rig_set_conf(rig, token, value.constData()) == RIG_OK;
}

Result failure(int code) { return Result::failure(notConnected, hamlibErrorText(code)); }

} // namespace

QString hamlibErrorText(int code)
{
    switch (code < 0 ? -code : code) {
    case RIG_EINVAL: return QStringLiteral("paramètre refusé");
    case RIG_ECONF: return QStringLiteral("réglage du port invalide");
    case RIG_ENOMEM: return QStringLiteral("mémoire insuffisante");
    case RIG_ENIMPL:
    case RIG_ENAVAIL: return QStringLiteral("fonction absente de ce poste");
    case RIG_ETIMEOUT: return QStringLiteral("le poste ne répond pas");
    case RIG_EIO: return QStringLiteral("liaison impossible, vérifiez le câble, le port ou l'adresse");
    case RIG_EINTERNAL: return QStringLiteral("erreur interne de Hamlib");
    case RIG_EPROTO: return QStringLiteral("réponse incompréhensible du poste");
    case RIG_ERJCTED: return QStringLiteral("commande refusée par le poste");
    case RIG_ETRUNC: return QStringLiteral("valeur tronquée par le poste");
    case RIG_ENTARGET:
    case RIG_EVFO: return QStringLiteral("VFO non disponible");
    case RIG_BUSERROR: return QStringLiteral("erreur sur le bus");
    case RIG_BUSBUSY: return QStringLiteral("bus occupé");
    case RIG_EARG:
    case RIG_EDOM: return QStringLiteral("valeur hors limites");
    case RIG_EPOWER: return QStringLiteral("poste éteint");
    case RIG_ESECURITY: return QStringLiteral("accès refusé");
    default: return QStringLiteral("erreur inconnue (code %1)").arg(code);
    }
}

HamlibRig::HamlibRig()
{
    // Hamlib writes its traces to stderr unless told not to.
    rig_set_debug(RIG_DEBUG_NONE);
    // rig_open() keeps the name setlocale() returns, switches to "C" and puts
    // the name back: under any other numeric locale (fr_FR.UTF-8, C.UTF-8)
    // that name has been freed by then. The program formats its numbers with
    // QLocale, so the C library's numeric locale can stay "C" for the run.
    setlocale(LC_NUMERIC, "C");
    rig_load_all_backends();
    rig_list_foreach(addModel, &modelList);
    std::sort(modelList.begin(), modelList.end(),
              [](const RigModel& a, const RigModel& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
}

HamlibRig::~HamlibRig() { close(); }

Result HamlibRig::open(const RigConfig& config)
{
    close();
    rig = rig_init(rig_model_t(config.model));
    if (!rig)
        return Result::failure(notConnected, QStringLiteral("modèle de poste inconnu (%1)").arg(config.model));
    const rig_port_t type = rig->caps->port_type;
    if (type == RIG_PORT_NETWORK || type == RIG_PORT_UDP_NETWORK)
        setConf(rig, "rig_pathname", config.address.toLocal8Bit());
    else if (type == RIG_PORT_SERIAL) {
        setConf(rig, "rig_pathname", config.serialPort.toLocal8Bit());
        setConf(rig, "serial_speed", QByteArray::number(config.baudRate));
    }
    // Short waits: a radio switched off must not hold the worker for long.
    setConf(rig, "timeout", "800");
    setConf(rig, "retry", "1");
    if (const int code = rig_open(rig); code != RIG_OK) {
        rig_cleanup(rig);
        rig = nullptr;
        return failure(code);
    }
    return Result::success();
}

void HamlibRig::close()
{
    if (!rig)
        return;
    rig_close(rig);
    rig_cleanup(rig);
    rig = nullptr;
}

RigReading HamlibRig::read()
{
    RigReading reading;
    if (!rig) {
        reading.reason = hamlibErrorText(RIG_EIO);
        return reading;
    }
    freq_t freq = 0;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    int code = rig_get_freq(rig, RIG_VFO_CURR, &freq);
    if (code == RIG_OK)
        code = rig_get_mode(rig, RIG_VFO_CURR, &mode, &width);
    if (code != RIG_OK) {
        reading.reason = hamlibErrorText(code);
        return reading;
    }
    reading.ok = true;
    reading.hz = freq;
    reading.mode = QString::fromLatin1(rig_strrmode(mode));
    return reading;
}

Result HamlibRig::tune(double hz)
{
    if (!rig)
        return failure(RIG_EIO);
    if (const int code = rig_set_freq(rig, RIG_VFO_CURR, freq_t(hz)); code != RIG_OK)
        return failure(code);
    return Result::success();
}
