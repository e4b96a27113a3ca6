// The game's end-to-end helpers.
#include "OyunE2e.h"

#include <QDir>
#include <QTest>
#include <cstdlib>

#ifdef MOZETA_XCB
#include <xcb/xcb.h>
#endif

OyunSüreci::OyunSüreci(const E2eOrtamı &ortam) : ortam_(ortam) {
    süreç_.setProcessEnvironment(ortam.Ortam());
    süreç_.setWorkingDirectory(ortam.EvKlasörü());
    süreç_.setProcessChannelMode(QProcess::MergedChannels);
    süreç_.start(E2eOrtamı::OyunYolu(), {});
}

OyunSüreci::~OyunSüreci() {
    if (süreç_.state() != QProcess::NotRunning) {
        süreç_.kill();
        süreç_.waitForFinished(3000);
    }
}

QString OyunSüreci::PencereyiBekle() {
    const QString pencere = ortam_.PencereyiBekle(E2eOrtamı::AnaPencereBaşlığı);
    if (!pencere.isEmpty())
        QTest::qWait(500); // its first paint
    return pencere;
}

bool OyunSüreci::BitmesiniBekle(int milisaniye) {
    return süreç_.state() == QProcess::NotRunning || süreç_.waitForFinished(milisaniye);
}

QImage Görüntü(const E2eOrtamı &ortam) {
    const QString dosya = QDir(ortam.EvKlasörü()).filePath(QStringLiteral("ekran.png"));
    if (!ortam.EkranGörüntüsü(dosya))
        return {};
    return QImage(dosya);
}

void EkrandaTıkla(const E2eOrtamı &ortam, QPoint nokta) {
    ortam.Çalıştır(QStringLiteral("xdotool"),
                   {QStringLiteral("mousemove"), QString::number(nokta.x()),
                    QString::number(nokta.y()), QStringLiteral("click"), QStringLiteral("1")});
}

int MozetaPencereSayısı(const E2eOrtamı &ortam) {
    QString çıktı;
    ortam.Çalıştır(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--name"), QStringLiteral("Mozeta")},
                   &çıktı);
    return static_cast<int>(çıktı.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

std::optional<QRect> BoşYeriBul(const QImage &görüntü) {
    constexpr QRgb Boş = 0xFFFFC0; // 255, 255, 192
    constexpr int EnAzKenar = 12;
    const auto boşMu = [&](int x, int y) { return (görüntü.pixel(x, y) & 0xFFFFFF) == Boş; };
    const auto büyükMü = [](const QRect &a, const std::optional<QRect> &b) {
        return a.height() >= EnAzKenar && (!b || a.width() * a.height() > b->width() * b->height());
    };
    // Per row the longest run of the colour; runs on the same columns in consecutive rows
    // stack into a block.
    std::optional<QRect> enBüyük;
    QRect blok;
    for (int y = 0; y < görüntü.height(); ++y) {
        int başı = -1, uzunluk = 0;
        for (int x = 0; x < görüntü.width();) {
            int son = x;
            while (son < görüntü.width() && boşMu(son, y))
                ++son;
            if (son - x > uzunluk) {
                başı = x;
                uzunluk = son - x;
            }
            x = son + 1;
        }
        if (uzunluk >= EnAzKenar && blok.isValid() && blok.left() == başı &&
            blok.width() == uzunluk) {
            blok.setBottom(y);
            continue;
        }
        if (blok.isValid() && büyükMü(blok, enBüyük))
            enBüyük = blok;
        blok = uzunluk >= EnAzKenar ? QRect(başı, y, uzunluk, 1) : QRect();
    }
    if (blok.isValid() && büyükMü(blok, enBüyük))
        enBüyük = blok;
    return enBüyük;
}

bool KapatmaİsteğiGönder(const E2eOrtamı &ortam, const QString &pencere) {
#ifdef MOZETA_XCB
    xcb_connection_t *bağlantı = xcb_connect(ortam.Ekran().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(bağlantı)) {
        xcb_disconnect(bağlantı);
        return false;
    }
    const auto atom = [&](const char *ad) {
        auto *yanıt = xcb_intern_atom_reply(
            bağlantı, xcb_intern_atom(bağlantı, 0, static_cast<uint16_t>(qstrlen(ad)), ad),
            nullptr);
        const xcb_atom_t sonuç = yanıt ? yanıt->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(yanıt);
        return sonuç;
    };
    xcb_client_message_event_t olay{};
    olay.response_type = XCB_CLIENT_MESSAGE;
    olay.format = 32;
    olay.window = pencere.toUInt();
    olay.type = atom("WM_PROTOCOLS");
    olay.data.data32[0] = atom("WM_DELETE_WINDOW");
    olay.data.data32[1] = XCB_CURRENT_TIME;
    // A round trip, so that the server has handled the request before the connection goes
    // (without it the message was now and then lost).
    xcb_generic_error_t *hata = xcb_request_check(
        bağlantı, xcb_send_event_checked(bağlantı, 0, olay.window, XCB_EVENT_MASK_NO_EVENT,
                                         reinterpret_cast<const char *>(&olay)));
    const bool gitti = hata == nullptr;
    std::free(hata);
    xcb_disconnect(bağlantı);
    return gitti;
#else
    Q_UNUSED(ortam);
    Q_UNUSED(pencere);
    return false;
#endif
}
