// Offers side by side. The loans compared are ones whose figures are worked by hand: no interest at all, or one yearly
// installment; their TAEG solved apart by bisection (1000 a month for 18 months against 17.880 received: 0,8494 %;
// 10.510 a year on against 10.000: 5,10 %).

#include "engine/confronto.h"
#include "engine/errore.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace pianoamm;

namespace {

std::vector<std::string> Testi(const std::vector<Cella>& riga)
{
    std::vector<std::string> testi;
    testi.reserve(riga.size());
    for (const Cella& cella : riga)
        testi.push_back(TestoCella(cella));
    return testi;
}

Offerta Nuova(std::string nome, Mutuo mutuo, Costi costi)
{
    return {std::move(nome), std::move(mutuo), costi, {}, {}};
}

// 18.000 over 18 months at no interest, 120 of fees at disbursement.
Offerta Alfa(std::string nome = "Banca Alfa")
{
    return Nuova(std::move(nome), {18000, 18, 0, {2020, 1, 15}, Cadenza::Mensile, {}}, {120, 0, 0});
}

// 10.000 repaid with 500 of interest a year on, 10 of fee with it.
Offerta Beta(std::string nome = "Banca Beta")
{
    return Nuova(std::move(nome), {10000, 1, 5, {2020, 1, 15}, Cadenza::Annuale, {}}, {0, 0, 10});
}

TEST(Confronto, TabellaDiDueOfferte)
{
    const std::vector<Offerta> offerte{Alfa(), Beta()};
    const std::vector<ValoriOfferta> valori = Confronta(offerte);
    // Net of the deduction: 120 - 22,80 and 510 - 96,90.
    const std::string tabella = "                                      Banca Alfa       Banca Beta\n"
                                "------------------------------   ---------------   --------------\n"
                                "RATA                                    1.000,00        10.500,00\n"
                                "NUMERO RATE                                   18                1\n"
                                "DURATA                           1 anno e 6 mesi           1 anno\n"
                                "TAN                                       0,00 %           5,00 %\n"
                                "TAEG                                      0,85 %           5,10 %\n"
                                "INTERESSI TOTALI                            0,00           500,00\n"
                                "SPESE                                     120,00            10,00\n"
                                "COSTO TOTALE DEL CREDITO                  120,00           510,00\n"
                                "IMPORTO TOTALE DOVUTO                  18.120,00        10.510,00\n"
                                "DETRAZIONE TOTALE                          22,80            96,90\n"
                                "COSTO NETTO DOPO LA DETRAZIONE             97,20           413,10\n"
                                "\n"
                                "TAEG PIÙ BASSO: Banca Alfa\n"
                                "IMPORTO TOTALE DOVUTO PIÙ BASSO: Banca Beta\n";
    EXPECT_EQ(TestoConfronto(valori), tabella);
    // Only the costs are marked: not the lower installment, nor the higher deduction.
    const std::pair<RigaConfronto, std::vector<std::size_t>> marcate[] = {
        {RigaConfronto::Rata, {}},        {RigaConfronto::Detrazione, {}},   {RigaConfronto::NumeroRate, {}},
        {RigaConfronto::Spese, {1}},      {RigaConfronto::CostoTotale, {0}}, {RigaConfronto::ImportoDovuto, {1}},
        {RigaConfronto::CostoNetto, {0}},
    };
    for (const auto& [voce, migliori] : marcate)
        EXPECT_EQ(Migliori(valori, voce), migliori) << static_cast<int>(voce);
    // Printed: the title and day, each offer's data and costs, then the table.
    const std::string stampa = TestoStampaConfronto(valori, {2026, 12, 8});
    const std::string etichette(19, ' ');
    EXPECT_TRUE(stampa.starts_with("Confronto delle offerte\nData: 08/12/2026\n\nOFFERTA" + etichette
                                   + " : Banca Alfa\nIMPORTO DEL FINANZIAMENTO  : 18.000,00\n"))
        << stampa;
    EXPECT_NE(stampa.find("\n\nOFFERTA" + etichette + " : Banca Beta\nIMPORTO DEL FINANZIAMENTO  : 10.000,00\n"),
              std::string::npos);
    EXPECT_NE(stampa.find("\nSPESE INIZIALI             : 120,00\n"), std::string::npos);
    EXPECT_TRUE(stampa.ends_with("\n\n" + tabella));
}

TEST(Confronto, PianoDiOgniOfferta)
{
    Mutuo italiano{12000, 12, 12, {2020, 1, 15}, Cadenza::Mensile, {}};
    italiano.condizioni.metodo = Metodo::Italiano;
    Mutuo preammortamento{12000, 12, 0, {2020, 1, 15}, Cadenza::Mensile, {}};
    preammortamento.condizioni.preammortamento = 6;
    Mutuo unita{4000, 314, 1, {2015, 1, 30}, Cadenza::Mensile, {}};
    unita.condizioni.metodo = Metodo::Italiano;
    Mutuo balloon{100000, 120, 3, {2020, 1, 15}, Cadenza::Mensile, {}};
    balloon.condizioni.maxiRata = 30000;
    // The variable rate's worked example: 554,60 at the entry rate, 604,81 from row 7 at 2,50 + 1,50.
    Mutuo variabile{100000, 240, 3, {2025, 1, 1}, Cadenza::Mensile, {}};
    variabile.condizioni.arrotondamento = Arrotondamento::Centesimi;
    variabile.condizioni.tassoVariabile =
        TassoVariabile{{{{2025, 1, 1}, 2}, {{2025, 6, 1}, 2.5}, {{2025, 12, 1}, -0.4}}, 1.5, 6};
    // Capital 1.000 a row, plus 1 % of 12.000; in units 4.000 / 314 = 12,74 plus 3 of the 3,33 interest; 250 of
    // interest and 70.000 x 0,0025 / (1,0025^120 - 1) = 500,93 of capital, the balloon apart; six rows of interest
    // first; 41 half-years.
    const struct {
        Mutuo mutuo;
        RigaConfronto voce;
        const char* atteso;
    } casi[] = {
        {italiano, RigaConfronto::Rata, "1.120,00"},
        {unita, RigaConfronto::Rata, "15,74"},
        {balloon, RigaConfronto::Rata, "750,93"},
        {balloon, RigaConfronto::MaxiRata, "30.000,00"},
        {balloon, RigaConfronto::RataMassima, "750,93"},
        {variabile, RigaConfronto::Rata, "554,60"},
        {variabile, RigaConfronto::RataMassima, "604,81"},
        {preammortamento, RigaConfronto::NumeroRate, "18"},
        {preammortamento, RigaConfronto::Durata, "1 anno e 6 mesi"},
        {{41000, 41, 0, {2020, 1, 15}, Cadenza::Semestrale, {}}, RigaConfronto::Durata, "20 anni e 6 mesi"},
    };
    for (const auto& [mutuo, voce, atteso] : casi)
        EXPECT_EQ(TestoCella(CellaVoce(ValoriDi(Nuova("", mutuo, {}), "riserva"), voce)), atteso);
    // The balloon's row only where an offer has one, right after RATA.
    const std::vector<ValoriOfferta> conMaxi = Confronta(std::vector{Nuova("", italiano, {}), Nuova("", balloon, {})});
    EXPECT_EQ(Testi(CelleConfronto(conMaxi)[2]), (std::vector<std::string>{"MAXI-RATA FINALE", "0,00", "30.000,00"}));
    EXPECT_EQ(CelleConfronto(Confronta(std::vector{Nuova("", italiano, {}), Nuova("", unita, {})}))[2][0].testo,
              "NUMERO RATE");
    // The highest installment's only where an offer's rate is variable, after the balloon's.
    const Celle conVariabile = CelleConfronto(Confronta(std::vector{Nuova("", variabile, {}), Nuova("", balloon, {})}));
    EXPECT_EQ(Testi(conVariabile[3]), (std::vector<std::string>{"RATA MASSIMA", "604,81", "750,93"}));
    EXPECT_EQ(conVariabile[2][0].testo, "MAXI-RATA FINALE");
    const ValoriOfferta valori = ValoriDi(Nuova("", preammortamento, {}), "mutuo.pianoamm");
    EXPECT_EQ(valori.nome, "mutuo.pianoamm");
    ASSERT_EQ(valori.debito.size(), 19U);
    EXPECT_EQ(
        std::tuple(valori.debito[6].mesi, valori.debito[6].debito, valori.debito[18].mesi, valori.debito[18].debito),
        std::tuple(6, 12000.0, 18, 0.0));
}

TEST(Confronto, Durata)
{
    const std::pair<int, const char*> casi[] = {
        {246, "20 anni e 6 mesi"}, {12, "1 anno"}, {6, "6 mesi"},           {24, "2 anni"},
        {13, "1 anno e 1 mese"},   {1, "1 mese"},  {14, "1 anno e 2 mesi"}, {11988, "999 anni"},
    };
    for (const auto& [mesi, testo] : casi)
        EXPECT_EQ(TestoDurata(mesi), testo) << mesi;
}

TEST(Confronto, NumeroDiOfferte)
{
    for (const std::size_t numero : {0U, 1U, 5U}) {
        const std::vector<Offerta> offerte(numero, Alfa());
        EXPECT_THROW(Confronta(offerte), ErrorePiano) << numero;
    }
    const std::vector<Offerta> quattro(4, Alfa(""));
    const std::vector<std::string> riserva{"primo.pianoamm", "", "terzo.pianoamm"};
    const std::vector<ValoriOfferta> valori = Confronta(quattro, riserva);
    EXPECT_EQ(Testi(CelleConfronto(valori)[0]),
              (std::vector<std::string>{"", "primo.pianoamm", "Offerta 2", "terzo.pianoamm", "Offerta 4"}));
}

// The heading for names cut in the middle to a column of 14 characters, or of 16 where a value is that wide (fees of
// 999.999.999: 1.000.017.999,00 owed).
TEST(Confronto, NomiTagliati)
{
    const struct {
        std::string nome;
        double spese;
        std::string colonna;
    } casi[] = {
        {"Crédit Agricole", 120, "Crédit …ricole"},       {"Crédit Agricol", 120, "Crédit Agricol"},
        {"àààààààààààààààà", 120, "ààààààà…àààààà"},      {"€€€€€€€€€€€€€€€€€€€€", 120, "€€€€€€€…€€€€€€"},
        {"Offerta della banca A", 120, "Offerta…anca A"}, {"Cassa di Risparmio", 999999999, "Cassa di…sparmio"},
    };
    for (const auto& [nome, spese, colonna] : casi) {
        Offerta alfa = Alfa(nome);
        alfa.costi.speseIniziali = spese;
        alfa.mutuo.numeroRate = 12;  // "1 anno", narrower than the column
        const std::vector<Offerta> offerte{alfa, Beta("B")};
        const std::string testo = TestoConfronto(Confronta(offerte));
        EXPECT_EQ(testo.substr(0, testo.find('\n')), std::string(33, ' ') + colonna + std::string(16, ' ') + "B")
            << nome;
    }
}

ValoriOfferta Valori(std::string nome, std::optional<double> taeg, double dovuto, double detrazione = 0)
{
    ValoriOfferta valori;
    valori.nome = std::move(nome);
    valori.costo.taeg = taeg;
    valori.costo.importoTotaleDovuto = dovuto;
    valori.detrazione = detrazione;
    return valori;
}

// Values equal as shown tie; a TAEG with no solution never wins.
TEST(Confronto, Migliori)
{
    const struct {
        std::vector<ValoriOfferta> valori;
        const char *taeg, *dovuto;  // the offers with the lowest
    } casi[] = {
        {{Valori("A", 3.714, 1000.004), Valori("B", 3.705, 1000.001)}, "A e B", "A e B"},
        {{Valori("A", 3.716, 1000.004), Valori("B", 3.714, 1000.006)}, "B", "A"},
        {{Valori("A", std::nullopt, 900), Valori("B", 5, 1000)}, "B", "A"},
        {{Valori("A", std::nullopt, 900), Valori("B", std::nullopt, 900)}, "non calcolabile", "A e B"},
        {{Valori("A", 4, 3), Valori("B", std::nullopt, 2), Valori("C", 4, 1), Valori("D", 4.01, 1)}, "A e C", "C e D"},
    };
    for (const auto& [valori, taeg, dovuto] : casi) {
        const std::string testo = TestoConfronto(valori);
        EXPECT_NE(testo.find(std::string("\nTAEG PIÙ BASSO: ") + taeg + "\nIMPORTO TOTALE DOVUTO PIÙ BASSO: " + dovuto
                             + "\n"),
                  std::string::npos)
            << testo;
    }
    // The net cost is the cost less the deduction: 100 - 30 is lower than 90 - 10.
    std::vector<ValoriOfferta> netti{Valori("A", 1, 1, 30), Valori("B", 1, 1, 10)};
    netti[0].costo.costoTotale = 100;
    netti[1].costo.costoTotale = 90;
    EXPECT_EQ(Migliori(netti, RigaConfronto::CostoNetto), std::vector<std::size_t>{0});
    EXPECT_EQ(Migliori(netti, RigaConfronto::CostoTotale), std::vector<std::size_t>{1});
}

TEST(Confronto, Csv)
{
    const std::vector<Offerta> offerte{Alfa("Banca \"Uno\"; filiale"), Beta("Riga\r\nnuova")};
    EXPECT_EQ(CsvDi(CelleConfronto(Confronta(offerte))), "\xEF\xBB\xBF"
                                                         ";\"Banca \"\"Uno\"\"; filiale\";\"Riga\r\nnuova\"\r\n"
                                                         "RATA;1000,00;10500,00\r\n"
                                                         "NUMERO RATE;18;1\r\n"
                                                         "DURATA;1 anno e 6 mesi;1 anno\r\n"
                                                         "TAN;0,00;5,00\r\n"
                                                         "TAEG;0,85;5,10\r\n"
                                                         "INTERESSI TOTALI;0,00;500,00\r\n"
                                                         "SPESE;120,00;10,00\r\n"
                                                         "COSTO TOTALE DEL CREDITO;120,00;510,00\r\n"
                                                         "IMPORTO TOTALE DOVUTO;18120,00;10510,00\r\n"
                                                         "DETRAZIONE TOTALE;22,80;96,90\r\n"
                                                         "COSTO NETTO DOPO LA DETRAZIONE;97,20;413,10\r\n");
}

}  // namespace
