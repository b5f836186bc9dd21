// The bank's table: its rows and their columns read from each way a plan is written, and a table that cannot be read
// refused with the line at fault.

#include "engine/errore.h"
#include "engine/esporta.h"
#include "engine/formato.h"
#include "engine/listato.h"
#include "file/affiancate_banca.h"
#include "file/esito_verifica.h"
#include "file/tabella_banca.h"
#include "tests/rifiuto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

using namespace pianoamm;

namespace {

// A plan of this program, monthly from 15/01/2026.
Piano PianoDi(double importo, int rate, double tasso, const Condizioni& condizioni)
{
    return PianoAmm({importo, rate, tasso, {2026, 1, 15}, Cadenza::Mensile, condizioni});
}

// 200.000 at 7,5 % in 180 months, to the cent: row 1 is 1.250,00 of interest and 604,02 of capital.
Piano PianoDiProva()
{
    return PianoDi(200000, 180, 7.5, {.arrotondamento = Arrotondamento::Centesimi});
}

// The listing as a PDF's text gives it: a new page, its columns' heading again, after row 54.
std::string TestoDelPdf()
{
    const Listato listato = ComponiListato(PianoDiProva());
    std::string testo;
    for (std::size_t riga = 0; riga < listato.NumeroRighe(); ++riga) {
        if (riga == RigheIntestazione + 54)
            testo.append("\f").append(TitoliColonneCentesimi).append("\n").append(SottolineaturaCentesimi).append("\n");
        testo.append(listato[riga]).append("\n");
    }
    return testo;
}

std::string RigheNumerate(int prima, int ultima)
{
    std::string testo = "N.;Scadenza;Rata;Debito residuo\n";
    for (int numero = prima; numero <= ultima; ++numero)
        testo += std::to_string(numero) + ";15/01/2026;100,00;0,00\n";
    return testo;
}

// What the reader made of a table: its rows, the lines skipped, a letter a column (Rata, Interessi, Capitale, Debito,
// Tasso; lower case where it shows no cents), and its first row; or the refusal.
std::string Lettura(const std::string& testo)
{
    if (std::string motivo = MotivoDi([&] { return LeggiTabellaBanca(testo); }); !motivo.empty())
        return motivo;
    const TabellaBanca tabella = LeggiTabellaBanca(testo);
    std::string lettura =
        std::to_string(tabella.righe.size()) + " righe, " + std::to_string(tabella.righeSaltate) + " saltate, ";
    for (const ColonnaBanca& colonna : tabella.colonne)
        lettura += static_cast<char>("RICDT"[static_cast<int>(colonna.ruolo)] | (colonna.centesimi ? 0 : 0x20));
    const RigaBanca& prima = tabella.righe.front();
    lettura.append("; ").append(std::to_string(prima.numero)).append(" ").append(FormatoData(prima.scadenza));
    for (const double valore : prima.valori)
        lettura.append(" ").append(FormatoDecimali(valore, 2, false));
    return lettura;
}

TEST(TabellaBanca, RigheColonneERifiuti)
{
    const std::string rigaUno = "; 1 15/02/2026 1250,00 604,02 1854,02 199395,98";
    const std::vector<std::tuple<const char*, std::string, std::string>> casi{
        {"the program's CSV", EsportaCsv(PianoDiProva()), "180 righe, 1 saltate, ICRD" + rigaUno},
        {"the PDF's text", TestoDelPdf(), "180 righe, 11 saltate, ICRD" + rigaUno},
        {"date first, 1.854,02, a bare 1.950, title and totals",
         "Piano di ammortamento\nScadenza;Rata n.;Rata;Quota capitale;Quota interessi;Capitale residuo\n"
         "15-01-2026;1;2.000,00;1.950;50,00;8.050,00\n15-02-2026;2;2.000,00;1.959,75;40,25;6.090,25\n"
         "Totale;;4.000,00;3.909,75;90,25;\n",
         "2 righe, 3 saltate, RCID; 1 15/01/2026 2000,00 1950,00 50,00 8050,00"},
        {"a spreadsheet's cells, 1,854.02 and €",
         "N.\tData\tRata\tInteressi\tCapitale\tDebito residuo\tTasso\n"
         "1\t15.01.2026\t€ 2,000.00\t€ 50.00\t€ 1,950.00\t€ 8,050.00\t6,000 %\n",
         "1 righe, 1 saltate, RICDt; 1 15/01/2026 2000,00 50,00 1950,00 8050,00 6,00"},
        {"no headings, 1854.02, the columns by their arithmetic",
         "1,15/01/2026,8050.00,2000.00,1950.00,50.00\n2, 15/02/2026, 6090.25, 2000.00, 1959.75, 40.25\n"
         "3,15/03/2026,4120.70,2000.00,1969.55,30.45\n",
         "3 righe, 0 saltate, DRCI; 1 15/01/2026 8050,00 2000,00 1950,00 50,00"},
        {"whole units under blanks, a blank capital",
         "N.    SCADENZA    Q.INTERESSI  Q.CAPITALE  TOTALE RATA  DEB.RESIDUO\n"
         "1    15/12/2025          50                      50       10.000\n"
         "2    15/01/2026          50       1.950       2.000        8.050\n",
         "2 righe, 1 saltate, icrd; 1 15/12/2025 50,00 0,00 50,00 10000,00"},
        {"no rows", "Piano di ammortamento\nTotale 0\n",
         "non ha righe di un piano: un numero, una scadenza e gli importi."},
        {"a row's date", "N.;Scadenza;Rata\n1;31/02/2026;100,00\n",
         "alla riga 2: «31/02/2026» non è una data valida (GG/MM/AAAA)."},
        {"an amount", "1;15/01/2026;100,00\n\n2;15/02/2026;12x\n", "alla riga 3: «12x» non è un importo."},
        {"a row short of a cell", "1;15/01/2026;100,00;50,00\n2;15/02/2026;100,00\n",
         "alla riga 2: ha meno importi della riga 1."},
        {"two decimal marks", "N.;Scadenza;Rata;Debito\n1;15/01/2026;100,00;50\n2;15/02/2026;100.00;0\n",
         "alla riga 3: «100.00» ha i decimali dopo il punto, quelli della sua colonna alla riga 2 dopo la virgola."},
        {"more than 999 rows", RigheNumerate(1, 1000),
         "alla riga 1001: è la rata 1.000, ma un piano ne ha al più 999."},
        {"999 rows and row 0", RigheNumerate(0, 999), "1000 righe, 1 saltate, RD; 0 15/01/2026 100,00 0,00"},
        {"abbreviated headings",
         "N.;Scadenza;Cap. residuo;Q. int.;Importo rata;Quota cap.\n1;15/01/2026;8.050;50;2.000;1.900\n",
         "1 righe, 1 saltate, dirc; 1 15/01/2026 8050,00 50,00 2000,00 1900,00"},
        {"a heading unknown, its arithmetic the interest's",
         "N.;Scadenza;Xyz;Quota capitale;Rata;Debito residuo\n1;15/01/2026;50,00;1.950,00;2.000,00;8.050,00\n"
         "2;15/02/2026;40,25;1.959,75;2.000,00;6.090,25\n",
         "2 righe, 1 saltate, ICRD; 1 15/01/2026 50,00 1950,00 2000,00 8050,00"},
        {"a heading unknown, its arithmetic none",
         "N.;Scadenza;Xyz;Quota capitale;Rata;Debito residuo\n"
         "1;15/01/2026;1,00;1.950,00;2.000,00;8.050,00\n",
         "la colonna «Xyz» non si sa quale sia: né la sua intestazione né i suoi conti lo dicono."},
        {"decimal commas under a heading", "N.,Scadenza,Rata,Debito\n1,15/01/2026,100,00,50,00\n",
         "alla riga 2: la virgola separa sia le celle sia i decimali: usare il punto e virgola o la tabulazione."},
        {"decimal commas, no heading", "1,15/01/2026,100,00,50,00\n2,15/02/2026,100,00,0,00\n",
         "alla riga 1: la virgola separa sia le celle sia i decimali: usare il punto e virgola o la tabulazione."},
        {"a row missing", "1;15/01/2026;100,00\n2;15/02/2026;100,00\n4;15/04/2026;100,00\n",
         "alla riga 3: è la rata 4, dopo la 2: manca la 3."},
        {"a row twice", "1;15/01/2026;100,00\n1;15/01/2026;100,00\n", "alla riga 2: è di nuovo la rata 1."},
        {"the first row 7", "7;15/01/2026;100,00\n", "alla riga 1: è la rata 7, ma la prima è la 0 o la 1."},
        {"a blank first column, -, a negative amount, the number last",
         ";Scadenza;Rata;Quota capitale;Debito residuo;N.\n;15/01/2026;-;-1,00;100,00;1\n",
         "1 righe, 1 saltate, rCD; 1 15/01/2026 0,00 -1,00 100,00"},
        {"no-break spaces, Windows' €, a footer",
         "N.  Scadenza     Rata           Debito residuo\n1   15/01/2026   \x80 1\xC2\xA0"
         "000,00   \x80 "
         "9\xE2\x80\xAF"
         "000,00\n"
         "15/01/2026      1 di 2\n",
         "1 righe, 2 saltate, RD; 1 15/01/2026 1000,00 9000,00"},
        {"headings on two lines",
         " N.  Scadenza        Quota     Debito\n                interessi    residuo\n"
         " 1  15/01/2026      50,00     100,00\n",
         "1 righe, 2 saltate, ID; 1 15/01/2026 50,00 100,00"},
        {"no headings, no plan's arithmetic", "1;15/01/2026;100,00;50,00\n2;15/02/2026;100,00;50,00\n",
         "le colonne non hanno intestazioni, e i loro conti non dicono quali siano la rata, la quota interessi, la "
         "quota "
         "capitale e il debito residuo."},
    };
    for (const auto& [nome, testo, atteso] : casi)
        EXPECT_EQ(Lettura(testo), atteso) << nome;
}

// Row 100, 734,75 of interest and 1.119,27 of capital, with 0,50 moved from its capital to its interest.
std::string CsvConRigaCambiata()
{
    std::string csv = EsportaCsv(PianoDiProva());
    const std::size_t riga = csv.find("\n100;");
    csv.replace(csv.find("734,75", riga), 6, "735,25");
    return csv.replace(csv.find("1119,27", riga), 7, "1118,77");
}

// The report's lines of the loan, after the CSV's heading line skipped or the listing's lines that are not rows.
std::string Dati(const std::string& importo, int rate, const std::string& tasso, int saltate = 1,
                 const std::string& erogazione = "15/01/2026")
{
    return "IMPORTO            : " + importo + "\nNUMERO RATE        : " + std::to_string(rate)
           + "\nCADENZA            : mensile\nTASSO ANNUO        : " + tasso + "\nDATA DI EROGAZIONE : " + erogazione
           + "\nRIGHE SALTATE      : " + std::to_string(saltate) + "\n";
}

TEST(TabellaBanca, CondizioniTrovateERateDiverse)
{
    const std::string dati200 = Dati("200.000,00", 180, "7,50");
    const std::string dati180 = Dati("180.000,00", 360, "4,25");
    const std::vector<std::tuple<const char*, std::string, std::string>> casi{
        {"the program's CSV", EsportaCsv(PianoDiProva()),
         "ARROTONDAMENTO AI CENTESIMI\n" + dati200 + "PIANO RIPRODOTTO: 180 RATE SU 180\n"},
        // The listing's 9 lines above the rows, and its columns' heading of 2 again on the second page.
        {"the PDF's text", TestoDelPdf(),
         "ARROTONDAMENTO AI CENTESIMI\n" + Dati("200.000,00", 180, "7,50", 11) + "PIANO RIPRODOTTO: 180 RATE SU 180\n"},
        {"row 100 changed", CsvConRigaCambiata(),
         "ARROTONDAMENTO AI CENTESIMI\n" + dati200
             + "RATE DIVERSE: 1 SU 180\n"
               "  N.  COLONNA                 BANCA    PROGRAMMA   DIFFERENZA\n"
               " 100  QUOTA INTERESSI        735,25       734,75        +0,50\n"
               " 100  QUOTA CAPITALE       1.118,77     1.119,27        -0,50\n"
               "DIFFERENZA DEGLI INTERESSI   : 0,50\nDIFFERENZA DEL TOTALE PAGATO : 0,00\n"},
        {"the defaults, whole interest", EsportaCsv(PianoDi(90000, 360, 14, {})),
         Dati("90.000,00", 360, "14,00") + "PIANO RIPRODOTTO: 360 RATE SU 360\n"},
        {"the equivalent rate, 1.007,88",
         EsportaCsv(PianoDi(90000, 360, 14, {Arrotondamento::Centesimi, TassoPeriodo::Equivalente})),
         "ARROTONDAMENTO AI CENTESIMI - TASSO EQUIVALENTE\n" + Dati("90.000,00", 360, "14,00")
             + "PIANO RIPRODOTTO: 360 RATE SU 360\n"},
        {"a fixed capital of 500,00",
         EsportaCsv(
             PianoDi(180000, 360, 4.25, {Arrotondamento::Centesimi, TassoPeriodo::Proporzionale, Metodo::Italiano})),
         "ARROTONDAMENTO AI CENTESIMI - METODO ITALIANO\n" + dati180 + "PIANO RIPRODOTTO: 360 RATE SU 360\n"},
        {"pre-amortisation and a balloon",
         EsportaCsv(PianoDi(180000, 360, 4.25,
                            {Arrotondamento::Centesimi, TassoPeriodo::Proporzionale, Metodo::Francese, 30000, 6})),
         "ARROTONDAMENTO AI CENTESIMI - 6 RATE DI PREAMMORTAMENTO - MAXI-RATA FINALE 30.000,00\n" + dati180
             + "PIANO RIPRODOTTO: 366 RATE SU 366\n"},
        // Row 0's 218,75 is 150.000 at 3,5 % over 15 days of a year of 360.
        {"a broken first period",
         EsportaCsv(PianoAmm({150000,
                              300,
                              3.5,
                              {2026, 3, 15},
                              Cadenza::Mensile,
                              {.arrotondamento = Arrotondamento::Centesimi,
                               .primaScadenza = Data{2026, 4, 30},
                               .baseGiorni = BaseGiorni::Commerciale}})),
         "ARROTONDAMENTO AI CENTESIMI - PRIMA SCADENZA 30/04/2026 - PREAMMORTAMENTO TECNICO DI 15 GIORNI - BASE 360 "
         "GIORNI\n"
             + Dati("150.000,00", 300, "3,50", 1, "15/03/2026") + "PIANO RIPRODOTTO: 300 RATE SU 300\n"},
        // The rate column moves at rows 7 and 13 only: revised every 6, on the rate itself.
        {"a variable rate's revisions",
         EsportaCsv(PianoDi(120000, 240, 3,
                            {.arrotondamento = Arrotondamento::Centesimi,
                             .tassoVariabile = TassoVariabile{.indice = {{{2026, 1, 1}, 2.1}, {{2026, 9, 1}, 2.8}},
                                                              .spread = 1.2,
                                                              .revisione = 6}})),
         "ARROTONDAMENTO AI CENTESIMI - TASSO VARIABILE: SPREAD 0,000, REVISIONE OGNI 6 RATE\n"
             + Dati("120.000,00", 240, "3,00") + "PIANO RIPRODOTTO: 240 RATE SU 240\n"},
    };
    for (const auto& [nome, testo, atteso] : casi)
        EXPECT_EQ(TestoVerifica(VerificaTabella(LeggiTabellaBanca(testo))), atteso) << nome;
}

// The printed side by side: four pairs of columns under their names fit a line of at most 128 characters, row 100
// reads the bank's figures beside the plan's.
TEST(TabellaBanca, AffiancateStampate)
{
    const TabellaBanca tabella = LeggiTabellaBanca(CsvConRigaCambiata());
    const std::string testo = TestoAffiancate(tabella, VerificaTabella(tabella));
    EXPECT_TRUE(testo.starts_with(std::string(28, ' ') + "RATA" + std::string(18, ' ') + "QUOTA INTERESSI")) << testo;
    EXPECT_NE(
        testo.find("\n 100  15/05/2034      1.854,02      1.854,02        735,25        734,75      1.118,77      "
                   "1.119,27 "),
        std::string::npos);
    std::size_t inizio = 0;
    for (std::size_t fine = 0; (fine = testo.find('\n', inizio)) != std::string::npos; inizio = fine + 1)
        EXPECT_LE(fine - inizio, 128U);
}

}  // namespace

// Plans of this program on seeded random terms, as its CSV and as its listing's text (what a PDF's text holds), are
// given back with their amount, count and frequency; one cell moved by a unit of the table's precision is always found.
TEST(TabellaBanca, PianiCasualiRiprodottiECellaSpostataTrovata)
{
    std::mt19937_64 caso(20261208);
    const auto tra = [&caso](int da, int a) { return std::uniform_int_distribution(da, a)(caso); };
    for (int prova = 0; prova < 60; ++prova) {
        // At most 40 years: beyond, the first installments' capital is under a cent, as if only interest were due.
        const DatiCadenza& cadenza = Cadenze[static_cast<std::size_t>(tra(0, 5))];
        // To the cent, half the amounts with cents and half the rates with four decimals: a table in whole units
        // cannot tell them.
        const bool centesimi = tra(0, 1) == 1;
        const bool fini = centesimi && tra(0, 1) == 1;
        const double importo = fini ? tra(100000, 50000000) / 100.0 : tra(10, 50000) * 10.0;
        const double tasso = fini ? tra(5000, 150000) / 10000.0 : tra(50, 1500) / 100.0;
        Mutuo mutuo{importo,        tra(2, std::min(360, 480 / cadenza.mesi)),
                    tasso,          {2026, tra(1, 12), tra(1, 28)},
                    cadenza.valore, {}};
        mutuo.condizioni.arrotondamento = centesimi ? Arrotondamento::Centesimi : Arrotondamento::Unita;
        mutuo.condizioni.tassoPeriodo = RegoleTassoPeriodo[static_cast<std::size_t>(tra(0, 1))].valore;
        mutuo.condizioni.metodo = Metodi[static_cast<std::size_t>(tra(0, 1))].valore;
        Piano piano;
        try {
            piano = PianoAmm(mutuo);
        } catch (const ErrorePiano&) {
            continue;  // terms no plan is made of: refused, not checked
        }
        for (const std::string& testo : {EsportaCsv(piano), ComponiListato(piano).Testo()}) {
            const std::string nome = std::to_string(prova) + (testo.starts_with("\xEF\xBB\xBF") ? " CSV" : " testo");
            TabellaBanca tabella = LeggiTabellaBanca(testo);
            const Verifica verifica = VerificaTabella(tabella);
            EXPECT_EQ(verifica.righeDiverse, 0) << nome << "\n" << TestoVerifica(verifica);
            EXPECT_EQ(std::tuple(verifica.mutuo.importo, verifica.mutuo.numeroRate, verifica.mutuo.cadenza),
                      std::tuple(mutuo.importo, mutuo.numeroRate, mutuo.cadenza))
                << nome;
            const auto riga = static_cast<std::size_t>(tra(0, static_cast<int>(tabella.righe.size()) - 1));
            const auto colonna = static_cast<std::size_t>(tra(0, static_cast<int>(tabella.colonne.size()) - 1));
            tabella.righe[riga].valori[colonna] += tabella.colonne[colonna].centesimi ? 0.01 : 1;
            const Verifica spostata = VerificaTabella(tabella);
            EXPECT_TRUE(std::ranges::any_of(
                spostata.celle, [&](const CellaDiversa& cella) { return cella.numero == tabella.righe[riga].numero; }))
                << nome << " riga " << riga << " colonna " << colonna << "\n"
                << TestoVerifica(spostata);
        }
    }
}
