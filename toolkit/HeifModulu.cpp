// SPDX-License-Identifier: GPL-3.0-or-later
// The HEIF module: HEIF and AVIF photos decoded by libheif. Built as a library of its own and
// loaded by the photo loader at the first such photo.
#include "toolkit/HeifCozucu.h"

#include <QColorSpace>
#include <QIODevice>
#include <libheif/heif.h>
#include <memory>

namespace {

// libheif reads through these: never past the size the loader gave.
struct Okuma {
    QIODevice *dosya;
    qint64 boyut;
};

int64_t Konum(void *o) { return static_cast<Okuma *>(o)->dosya->pos(); }

int Oku(void *veri, size_t boy, void *o) {
    auto *okuma = static_cast<Okuma *>(o);
    if (qint64(boy) > okuma->boyut - okuma->dosya->pos())
        return -1;
    return okuma->dosya->read(static_cast<char *>(veri), qint64(boy)) == qint64(boy) ? 0 : -1;
}

int Git(int64_t yer, void *o) {
    auto *okuma = static_cast<Okuma *>(o);
    return yer >= 0 && yer <= okuma->boyut && okuma->dosya->seek(yer) ? 0 : -1;
}

heif_reader_grow_status Bekle(int64_t boy, void *o) {
    return boy <= static_cast<Okuma *>(o)->boyut ? heif_reader_grow_status_size_reached
                                                 : heif_reader_grow_status_size_beyond_eof;
}

heif_reader Okuyucu{1, Konum, Oku, Git, Bekle};

// The picture's colours: an ICC profile, or the primaries of its colour box. Phones write Display
// P3 either way; anything Qt cannot describe is left unconverted, as with every other photo.
QColorSpace RenkUzayı(const heif_image_handle *tutamak) {
    const heif_color_profile_type tür = heif_image_handle_get_color_profile_type(tutamak);
    if (tür == heif_color_profile_type_prof || tür == heif_color_profile_type_rICC) {
        QByteArray profil(qsizetype(heif_image_handle_get_raw_color_profile_size(tutamak)), 0);
        if (heif_image_handle_get_raw_color_profile(tutamak, profil.data()).code == heif_error_Ok)
            return QColorSpace::fromIccProfile(profil);
        return {};
    }
    heif_color_profile_nclx *nclx = nullptr;
    const heif_error hata = heif_image_handle_get_nclx_color_profile(tutamak, &nclx);
    // libheif may hand out the profile with an error about its values: it is freed either way.
    const std::unique_ptr<heif_color_profile_nclx, void (*)(heif_color_profile_nclx *)> sahip(
        nclx, heif_nclx_color_profile_free);
    if (hata.code != heif_error_Ok || !nclx)
        return {};
    const bool p3 = nclx->color_primaries == heif_color_primaries_SMPTE_EG_432_1 &&
                    nclx->transfer_characteristics == heif_transfer_characteristic_IEC_61966_2_1;
    return p3 ? QColorSpace(QColorSpace::DisplayP3) : QColorSpace();
}

class LibheifÇözücüsü final : public HeifÇözücü {
public:
    LibheifÇözücüsü() { heif_init(nullptr); }
    ~LibheifÇözücüsü() override { heif_deinit(); }

    QImage Çöz(QIODevice &dosya, qint64 boyut) const override {
        Okuma okuma{&dosya, boyut};
        const std::unique_ptr<heif_context, void (*)(heif_context *)> bağlam(heif_context_alloc(),
                                                                             heif_context_free);
        if (!dosya.seek(0) ||
            heif_context_read_from_reader(bağlam.get(), &Okuyucu, &okuma, nullptr).code !=
                heif_error_Ok)
            return {};
        heif_image_handle *ham = nullptr;
        if (heif_context_get_primary_image_handle(bağlam.get(), &ham).code != heif_error_Ok)
            return {};
        const std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle *)> tutamak(
            ham, heif_image_handle_release);
        const bool saydam = heif_image_handle_has_alpha_channel(ham);
        // The rotation and mirror boxes are applied here, by libheif, and nowhere else.
        const std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options *)> seçenek(
            heif_decoding_options_alloc(), heif_decoding_options_free);
        seçenek->ignore_transformations = 0;
        seçenek->convert_hdr_to_8bit = 1;
        heif_image *resim = nullptr;
        if (heif_decode_image(ham, &resim, heif_colorspace_RGB,
                              saydam ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                              seçenek.get())
                .code != heif_error_Ok)
            return {};
        int adım = 0;
        const uint8_t *veri = heif_image_get_plane_readonly(resim, heif_channel_interleaved, &adım);
        const int en = heif_image_get_width(resim, heif_channel_interleaved);
        const int boy = heif_image_get_height(resim, heif_channel_interleaved);
        if (!veri || en <= 0 || boy <= 0) {
            heif_image_release(resim);
            return {};
        }
        // The picture keeps libheif's pixels, released with it: no copy of a large photo.
        QImage sonuç(
            const_cast<uchar *>(veri), en, boy, adım,
            saydam ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
            [](void *r) { heif_image_release(static_cast<heif_image *>(r)); }, resim);
        sonuç.setColorSpace(RenkUzayı(ham));
        return sonuç;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT HeifÇözücü *mozeta_heif_cozucu_yap() { return new LibheifÇözücüsü; }
