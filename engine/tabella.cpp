#include "engine/tabella.h"

#include "engine/formato.h"

namespace pianoamm {

namespace {

// A field with a separator, a quote or a line break in it (a name the user
// typed) goes between quotes, its quotes doubled; any other as it stands.
void AccodaCampo(std::string& csv, const std::string& campo)
{
    if (campo.find_first_of(";\"\r\n") == std::string::npos) {
        csv.append(campo);
        return;
    }
    csv.append(1, '"');
    for (const char c : campo)
        csv.append(c == '"' ? 2 : 1, c);
    csv.append(1, '"');
}

}  // namespace

Cella CellaTassoInserito(double valore)
{
    const std::string testo = FormatoDecimali(valore, 4, false);
    int decimali = 4;
    while (decimali > 2 && testo[testo.size() - static_cast<std::size_t>(5 - decimali)] == '0')
        --decimali;
    return CellaTasso(valore, decimali);
}

std::string TestoCella(const Cella& cella, bool schermo)
{
    switch (cella.genere) {
    case Genere::Testo:
        if (!schermo && !cella.testo.empty()
            && std::string_view("=+-@\t\r").find(cella.testo.front()) != std::string_view::npos)
            return "'" + cella.testo;
        return cella.testo;
    case Genere::Importo:
        return FormatoDecimali(cella.valore, cella.decimali, schermo);
    case Genere::Conto:
        return std::to_string(static_cast<long long>(cella.valore));
    case Genere::Data:
        return FormatoData(cella.data);
    case Genere::Tasso:
        return FormatoDecimali(cella.valore, cella.decimali, false);
    case Genere::Percentuale:
        return FormatoDecimali(cella.valore, cella.decimali, false) + (schermo ? " %" : "");
    }
    return {};
}

std::string CsvDi(const Celle& righe)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& riga : righe) {
        for (std::size_t c = 0; c < riga.size(); ++c) {
            csv.append(c == 0 ? "" : ";");
            AccodaCampo(csv, TestoCella(riga[c], false));
        }
        csv += "\r\n";
    }
    return csv;
}

std::string TabellaDiTesto(std::span<const Colonna> colonne, const Celle& righe)
{
    std::string tabella;
    const auto accoda = [&](const auto& cella) {
        Linea riga;
        for (std::size_t c = 0; c < colonne.size(); ++c)
            riga.Tabulasin(cella(c), colonne[c].ssp);
        tabella.append(riga.Testo()).append(1, '\n');
    };
    const auto regola = [&] { accoda([&](std::size_t c) { return std::string(colonne[c].tratto, '-'); }); };
    for (std::size_t r = 0; r < righe.size(); ++r) {
        if (r == 1 || (r > 1 && r + 1 == righe.size()))
            regola();
        accoda([&](std::size_t c) {
            const std::string cella = TestoCella(righe[r].at(c));
            return r == 0 || (r + 1 == righe.size() && c == 0) ? Maiuscole(cella) : cella;
        });
    }
    return tabella;
}

void AccodaImporti(std::vector<Cella>& riga, std::initializer_list<double> importi)
{
    for (const double importo : importi)
        riga.push_back(CellaImporto(importo));
}

}  // namespace pianoamm
