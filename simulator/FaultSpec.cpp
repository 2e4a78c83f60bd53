#include "simulator/FaultSpec.h"

#include <QStringList>

#include <stdexcept>

namespace kilnward::sim {

namespace {

struct KindName {
    const char* name;
    FaultKind kind;
    bool takesValue;
    bool needsValue;
    bool hexValue;
};

constexpr KindName kKinds[] = {
    {"nak", FaultKind::Nak, false, false, false},
    {"busy", FaultKind::Busy, true, false, false},
    {"silent", FaultKind::Silent, false, false, false},
    {"fail", FaultKind::Fail, true, true, true},
    {"status", FaultKind::Status, true, true, false},
    {"stray", FaultKind::Stray, true, false, true},
    {"trickle", FaultKind::Trickle, true, true, false},
    {"badsum", FaultKind::BadChecksum, false, false, false},
    {"late", FaultKind::Late, true, true, false},
    {"stream", FaultKind::Stream, true, false, true},
    {"trickle-forever", FaultKind::Drip, true, true, false},
    {"garbage", FaultKind::Garbage, true, false, false},
    {"dropwrite", FaultKind::DropWrite, true, true, false},
};

[[noreturn]] void Reject(const QString& spec, const QString& why) {
    throw std::invalid_argument(
        QStringLiteral("invalid fault '%1': %2").arg(spec, why).toStdString());
}

unsigned Number(const QString& spec, const QString& text, int base, unsigned max) {
    QString digits = text;
    if (base == 16 && digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, base);
    if (!ok || digits.isEmpty() || value > max) {
        Reject(spec, QStringLiteral("'%1' is not a number up to %2").arg(text).arg(max));
    }
    return static_cast<unsigned>(value);
}

const KindName& KindOf(const QString& spec, const QString& name) {
    for (const KindName& entry : kKinds) {
        if (name == QLatin1String(entry.name)) {
            return entry;
        }
    }
    Reject(spec, QStringLiteral("unknown kind '%1'").arg(name));
}

void ApplyKey(FaultRule& rule, const QString& spec, const QString& key, const QString& value) {
    if (key == QLatin1String("count")) {
        rule.count = Number(spec, value, 10, 1000000);
    } else if (key == QLatin1String("from")) {
        rule.from = Number(spec, value, 10, 4000000000u);
    } else if (key == QLatin1String("at")) {
        rule.from = Number(spec, value, 10, 4000000000u);
        rule.exact = true;
    } else if (key == QLatin1String("cmd")) {
        rule.command = static_cast<std::uint16_t>(Number(spec, value, 16, 0xFFFF));
    } else {
        Reject(spec, QStringLiteral("unknown key '%1'").arg(key));
    }
    if (rule.exact && rule.from == 0) {
        Reject(spec, QStringLiteral("requests are numbered from 1"));
    }
}

}  // namespace

FaultRule ParseFaultSpec(const QString& spec) {
    const QStringList parts = spec.split(QLatin1Char(','));
    const QString head = parts.first().trimmed();
    const qsizetype equals = head.indexOf(QLatin1Char('='));
    const KindName& kind = KindOf(spec, equals < 0 ? head : head.left(equals));
    FaultRule rule;
    rule.kind = kind.kind;
    if (equals >= 0 && !kind.takesValue) {
        Reject(spec, QStringLiteral("'%1' takes no value").arg(QLatin1String(kind.name)));
    }
    if (equals >= 0) {
        rule.value = Number(spec, head.mid(equals + 1), kind.hexValue ? 16 : 10,
                            kind.hexValue || kind.kind == FaultKind::Status ? 0xFF : 60000);
    } else if (kind.needsValue) {
        Reject(spec, QStringLiteral("'%1' needs a value").arg(QLatin1String(kind.name)));
    } else if (kind.kind == FaultKind::Stray || kind.kind == FaultKind::Stream) {
        rule.value = 0x7F;
    }
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QStringList pair = parts[i].trimmed().split(QLatin1Char('='));
        if (pair.size() != 2) {
            Reject(spec, QStringLiteral("'%1' is not KEY=VALUE").arg(parts[i]));
        }
        if (kind.kind == FaultKind::DropWrite && pair[0] != QLatin1String("count")) {
            Reject(spec, QStringLiteral("'dropwrite' takes count only"));
        }
        ApplyKey(rule, spec, pair[0], pair[1]);
    }
    if (kind.kind == FaultKind::DropWrite) {
        // Numbered among the device writes: the value is the first write dropped.
        if (rule.value == 0) {
            Reject(spec, QStringLiteral("device writes are numbered from 1"));
        }
        rule.from = rule.value;
        rule.exact = true;
    }
    return rule;
}

QString FaultSpecHelp() {
    return QStringLiteral(
        "Fault SPEC: KIND[=VALUE][,KEY=VALUE]...\n"
        "  KIND  nak            answer NAK\n"
        "        busy[=MS]      answer BUSY; with MS, every request for MS milliseconds\n"
        "        silent         give no answer\n"
        "        fail=HH        answer FAIL with fail code HH (hex)\n"
        "        status=N       write commands: ACK, but report write status N\n"
        "        stray[=HH]     send the byte HH (hex, default 7F) before the answer\n"
        "        trickle=MS     send the answer with MS milliseconds between bytes\n"
        "        badsum         data answers: send a wrong checksum\n"
        "        late=MS        send the answer MS milliseconds late (a late answer)\n"
        "        stream[=HH]    from then on, answer nothing and send the byte HH (hex,\n"
        "                       default 7F) without end, at the line rate (9600 bit/s\n"
        "                       when not paced)\n"
        "        trickle-forever=MS\n"
        "                       from then on, answer nothing and send a start byte and\n"
        "                       then 7F bytes, MS milliseconds apart, without end\n"
        "        garbage[=MS]   from then on, answer nothing and send noise (bytes that\n"
        "                       begin no answer) without end, at the line rate, or one\n"
        "                       byte every MS milliseconds\n"
        "        dropwrite=N    device writes: acknowledge the Nth (counted from 1 since\n"
        "                       the start; with count=K, the Nth to the N+K-1th) and\n"
        "                       report success, but store nothing\n"
        "  KEY   count=N        fire on N requests (busy: N busy periods); 0 = always;\n"
        "                       default 1\n"
        "        from=N         start at request number N (requests count from 1)\n"
        "        at=N           fire on request N only (with count=K: requests N to N+K-1)\n"
        "        cmd=HHLL       only requests with this command (hex, e.g. 5C00)\n"
        "Examples: nak,count=3   busy=1500   fail=21,cmd=5E00   trickle=50,at=2\n"
        "          late=1200,at=5,count=3   stream,at=2   trickle-forever=500\n"
        "          garbage,at=2   garbage=400\n"
        "          dropwrite=3\n"
        "Every frame addressed to the simulator is one request; the first matching rule of\n"
        "each kind fires.");
}

}  // namespace kilnward::sim
