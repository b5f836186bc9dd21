# A plan at a variable rate, apart from the program, in exact fractions, one
# row at a time, on the plan's rules the other models here follow: cents
# (installment and interest rounded half up, the last row paying the debt
# left and its interest) or whole units (interest cut, the fractions carried
# and given back a unit at a time; the French last row pays the installment's
# rest, the Italian or a shortened one the debt, its interest and every
# fraction carried). Due dates keep the disbursement's day, or the month's
# last. A rate change recomputes the installment (the Italian capital share)
# over the rows left, as --variazione does, so a plan whose revisions change
# the rate is, row by row, the plain plan with those rate changes as events.
#
#   python3 modello_tasso_variabile.py --verifica       the worked example's figures
#   python3 modello_tasso_variabile.py --righe SEME N   seeded random plans
#   python3 modello_tasso_variabile.py --rialzo P       the example, its index
#   moved by P points: highest installment and its row, interest, total owed
#   (tests/dati/piani_variabili.txt: --righe 20261208 60)
#
# A random plan is one line of fields separated by ';', as the command line
# takes them (',' as decimal mark, an empty field for an option not given):
#   importo;numero-rate;tasso;cadenza;data;metodo;arrotondamento;spread;
#   revisione;arrotonda-indice;tasso-minimo;tasso-massimo;ricalcolo;
#   durata-massima;indice;
# then what the plan comes to (money with two decimals; in whole units the
# exact figure rounded half up to the cent):
#   interessi;totale pagato;righe;ultima rata;rata massima;revisioni
# where indice is the series, GG/MM/AAAA=valore entries joined by '|', and
# revisioni counts the revisions that changed the rate (the listing's lines).
from fractions import Fraction as F
from datetime import date
import calendar, math, random, sys

MESI = {'mensile': 1, 'bimestrale': 2, 'trimestrale': 3, 'quadrimestrale': 4, 'semestrale': 6, 'annuale': 12}


class Rifiutato(Exception):
    pass


def hu(x):
    return F(math.floor(x + F(1, 2)))


def scadenza(erogazione, k, mesi):
    m = erogazione.month - 1 + k * mesi
    anno, mese = erogazione.year + m // 12, m % 12 + 1
    return date(anno, mese, min(erogazione.day, calendar.monthrange(anno, mese)[1]))


# "rounds the index up, towards the larger value, to a multiple of P"
def arrotonda_indice(valore, passo):
    return math.ceil(valore / passo) * passo if passo else valore


# "A value holds from its date until the next one ... after the last value,
# the last value holds. A revision that falls before the first value is
# refused, naming its date."
def in_vigore(serie, giorno):
    validi = [v for d, v in serie if d <= giorno]
    if not validi:
        raise Rifiutato('revisione del %s prima del primo valore' % giorno.strftime('%d/%m/%Y'))
    return validi[-1]


# "--tasso-minimo F and --tasso-massimo C bound the total rate ... but never
# below 0"
def tasso_totale(c, indice):
    tasso = indice + c['spread']
    if c['minimo'] is not None:
        tasso = max(tasso, c['minimo'])
    if c['massimo'] is not None:
        tasso = min(tasso, c['massimo'])
    return max(tasso, F(0))


# The rows still needed to pay d with installment R at i: the shortened
# plan's rule, as an early repayment that shortens the plan has it.
def rate_per(d, R, i):
    if i == 0:
        return math.ceil(d / R)
    return math.ceil(-math.log1p(-float(d * i / R)) / math.log1p(float(i)) - 1e-9)


def piano(c):
    """Rows (k, annual rate, index or None, interest, capital, debt after) and
    the number of revisions that changed the rate; raises Rifiutato."""
    cent, italiano, ricalcolo = c['centesimi'], c['italiano'], c['ricalcolo']
    mesi, scala = MESI[c['cadenza']], 100 if c['centesimi'] else 1
    d, N, tasso, indice = F(c['importo']) * scala, c['rate'], F(c['tasso']), None
    i = tasso * mesi / 1200

    def quota(d, m):
        # The French installment, or the Italian capital share, over m rows.
        r = d / m if italiano or i == 0 else d * i / (1 - (1 + i) ** -m)
        return hu(r) if cent else r

    # "quote: the capital shares of the initial plan are kept"
    iniziali = [r[4] * scala for r in piano(dict(c, serie=None, ricalcolo='rata'))[0]] if ricalcolo == 'quote' else None
    R, frazioni, cambiato, righe, cambi, k = quota(d, N), F(0), False, [], 0, 0
    while k < N:
        k += 1
        # "revised every K installments, starting with installment K+1 ... the
        # index value in force on the day installment k's period starts (the
        # due date of installment k-1) plus the spread"
        K = c['revisione']
        if c['serie'] and k > K and (k - 1) % K == 0:
            giorno = scadenza(c['data'], k - 1, mesi)
            indice = arrotonda_indice(in_vigore(c['serie'], giorno), c['passo'])
            nuovo = tasso_totale(c, indice)
            if nuovo != tasso:
                # "at each revision that changes the rate"
                tasso, i, cambi, cambiato = nuovo, nuovo * mesi / 1200, cambi + 1, True
                if ricalcolo == 'durata':
                    # "a revision whose interest would exceed the installment
                    # is refused with the row named"
                    if d * i >= R:
                        raise Rifiutato('rata %d: gli interessi superano la rata' % k)
                    N = min(k - 1 + rate_per(d, R, i), c['durata_massima'])
                elif ricalcolo == 'rata' or italiano:
                    R = quota(d, N - k + 1)
        esatti = d * i
        if cent:
            I = hu(esatti)
        else:
            I = F(math.floor(esatti))
            frazioni += esatti - I
            if frazioni > 1:
                frazioni, I = frazioni - 1, I + 1
        if k == N:
            # The last row settles the debt: in units the French plan pays the
            # installment's rest, a shortened or share-keeping one every
            # fraction carried, as the Italian plan does.
            if not cent and not italiano and (ricalcolo == 'rata' or not cambiato):
                I = R - d
            elif not cent:
                I, frazioni = I + frazioni, F(0)
            C = d
        elif ricalcolo == 'quote':
            C = iniziali[k - 1]
        else:
            C = R if italiano else R - I
        # The plan refuses a row with a negative share, or a debt paid before
        # the last row.
        if I < 0 or C < 0 or (k < N and C >= d):
            raise Rifiutato('rata %d: quota negativa o debito estinto prima della fine' % k)
        d -= C
        righe.append((k, tasso, indice, I / scala, C / scala, d / scala))
    return righe, cambi


def totali(c):
    righe, cambi = piano(c)
    pagate = [r[3] + r[4] for r in righe]
    return sum(r[3] for r in righe), sum(pagate), len(righe), pagate[-1], max(pagate), cambi


# The worked example: 100.000 in 240 monthly installments from 01/01/2025 at
# 3,00 % to the cent, spread 1,50, revision every 6.
SERIE = [(date(2025, 1, 1), F(2)), (date(2025, 6, 1), F(5, 2)), (date(2025, 12, 1), F(-2, 5))]


def esempio(**diversi):
    c = dict(importo=100000, rate=240, tasso=3, cadenza='mensile', data=date(2025, 1, 1), italiano=False,
             centesimi=True, serie=SERIE, spread=F(3, 2), revisione=6, passo=None, minimo=None, massimo=None,
             ricalcolo='rata', durata_massima=999)
    c.update(diversi)
    return c


def con_rialzo(c, punti):
    # Every value of the index moved: the entry rate stays as it was.
    return dict(c, serie=[(d, v + punti) for d, v in c['serie']])


def riepilogo(c):
    # The highest installment and the first row that pays it, the interest
    # and all that is owed, as --rialzo shows them.
    righe = piano(c)[0]
    pagate = [hu((r[3] + r[4]) * 100) for r in righe]
    massima = max(pagate)
    interessi = sum(r[3] for r in righe)
    return euro(F(massima, 100)), righe[pagate.index(massima)][0], euro(interessi), euro(interessi + c['importo'])


def euro(x):
    x = hu(x * 100)
    return '%s%d,%02d' % ('-' if x < 0 else '', abs(x) // 100, abs(x) % 100)


def verifica():
    def riga(c, k):
        r = piano(c)[0][k - 1]
        return euro(r[1]), euro(r[3] + r[4])

    base = esempio()
    righe = piano(base)[0]
    fine = lambda c: (len(piano(c)[0]), euro(sum(piano(c)[0][-1][3:5])))
    lunga = esempio(ricalcolo='durata', serie=SERIE[:2])
    controlli = [
        ('rata iniziale', euro(righe[0][3] + righe[0][4]), '554,60'),
        ('debito dopo la rata 6', euro(righe[5][5]), '98160,94'),
        ('tasso e rata dalla 7', riga(base, 7), ('4,00', '604,81')),
        ('tasso e rata dalla 13', riga(base, 13), ('1,10', '469,12')),
        ('interessi totali', euro(totali(base)[0]), '13915,08'),
        ('tasso minimo 2: tasso e rata dalla 13', riga(esempio(minimo=F(2)), 13), ('2,00', '508,99')),
        ('tasso minimo 2: interessi totali', euro(totali(esempio(minimo=F(2)))[0]), '23007,00'),
        ('quote: rata 7', tuple(euro(x) for x in piano(esempio(ricalcolo='quote'))[0][6][3:5]), ('327,20', '309,20')),
        ('quote: totale rata 7', riga(esempio(ricalcolo='quote'), 7)[1], '636,40'),
        ('durata: rate prima dell\'ultima', sorted({riga(esempio(ricalcolo='durata'), k)[1] for k in range(1, 203)}),
         ['554,60']),
        ('durata: ultima rata', fine(esempio(ricalcolo='durata')), (203, '140,26')),
        ('durata, indice 2,50 dal 01/06/2025: ultima rata', fine(lunga), (274, '505,12')),
        ('durata massima 240: ultima rata', fine(dict(lunga, durata_massima=240)), (240, '18309,53')),
        ('indice -0,43 arrotondato a 0,05', euro(arrotonda_indice(F(-43, 100), F(1, 20))), '-0,40'),
        ('indice 1,41 arrotondato a 0,05', euro(arrotonda_indice(F(141, 100), F(1, 20))), '1,45'),
    ]
    sbagliati = 0
    for nome, ottenuto, atteso in controlli:
        sbagliati += ottenuto != atteso
        print('%s %s: %s (atteso %s)' % ('ok  ' if ottenuto == atteso else 'NO  ', nome, ottenuto, atteso))
    return 1 if sbagliati else 0


def testo(x):
    # An exact decimal as the command line takes it, without trailing zeros.
    for decimali in range(5):
        if (x * 10 ** decimali).denominator == 1:
            intero = abs(x * 10 ** decimali)
            cifre = str(intero.numerator).rjust(decimali + 1, '0')
            segno = '-' if x < 0 else ''
            return segno + (cifre[:-decimali] + ',' + cifre[-decimali:] if decimali else cifre)
    raise ValueError(x)


def caso_casuale(g):
    dec = lambda lo, hi, passo: F(g.randint(lo, hi), passo)
    cadenza = g.choice(['mensile'] * 4 + list(MESI))
    mesi = MESI[cadenza]
    italiano = g.random() < 0.25
    K = g.randint(1, 12)
    c = dict(importo=dec(100000, 50000000, 100) if g.random() < 0.5 else F(g.randint(1000, 900000)),
             rate=g.randint(K + 1, 360 if mesi == 1 else 60),
             tasso=dec(0, 8000, 1000), cadenza=cadenza,
             data=scadenza(date(g.randint(2000, 2030), 1, g.choice([1, 15, 28, 29, 30, 31])), g.randint(0, 11), 1),
             italiano=italiano, centesimi=g.random() < 0.5, spread=dec(0, 3000, 1000), revisione=K,
             passo=g.choice([None, None, F(1, 20), F(1, 10), F(1, 8), F(1, 4)]),
             minimo=g.choice([None, None, dec(0, 2000, 1000)]), massimo=g.choice([None, None, dec(3000, 9000, 1000)]),
             ricalcolo=None if italiano else g.choice(['rata', 'quote', 'durata']), durata_massima=999)
    if c['ricalcolo'] == 'durata' and g.random() < 0.5:
        c['durata_massima'] = g.randint(c['rate'], 999)
    # A series from before the disbursement or up to the first revision's
    # day, its dates a few days to two years apart.
    giorno = scadenza(c['data'], g.choice([-2, 0, K]), mesi).toordinal() - g.randint(0, 20)
    serie = []
    for _ in range(g.randint(1, 30)):
        serie.append((date.fromordinal(giorno), dec(-1000, 6000, 1000)))
        giorno += g.randint(5, 730)
    c['serie'] = serie
    return c


def riga_casuale(c):
    campi = [testo(c['importo']), str(c['rate']), testo(F(c['tasso'])), c['cadenza'], c['data'].strftime('%d/%m/%Y'),
             'italiano' if c['italiano'] else 'francese', 'centesimi' if c['centesimi'] else 'unita',
             testo(c['spread']), str(c['revisione'])]
    campi += ['' if x is None else testo(x) for x in (c['passo'], c['minimo'], c['massimo'])]
    campi += [c['ricalcolo'] or '', '' if c['durata_massima'] == 999 else str(c['durata_massima'])]
    campi.append('|'.join('%s=%s' % (d.strftime('%d/%m/%Y'), testo(v)) for d, v in c['serie']))
    interessi, pagato, n, ultima, massima, cambi = totali(c)
    return ';'.join(campi + [euro(interessi), euro(pagato), str(n), euro(ultima), euro(massima), str(cambi)])


def righe_casuali(seme, quante):
    g, scritte = random.Random(seme), 0
    while scritte < quante:
        c = caso_casuale(g)
        try:
            print(riga_casuale(c))
            scritte += 1
        except Rifiutato:
            # Only plans the program accepts are compared; the refusals have
            # their own table.
            pass


if __name__ == '__main__':
    if sys.argv[1:2] == ['--verifica']:
        sys.exit(verifica())
    if sys.argv[1:2] == ['--rialzo'] and len(sys.argv) == 3:
        punti = F(sys.argv[2].replace(',', '.'))
        print('serie inserita', riepilogo(esempio()), '- rialzo', riepilogo(con_rialzo(esempio(), punti)))
        sys.exit(0)
    if sys.argv[1:2] == ['--righe'] and len(sys.argv) == 4:
        righe_casuali(int(sys.argv[2]), int(sys.argv[3]))
        sys.exit(0)
    sys.exit('uso: modello_tasso_variabile.py --verifica | --righe SEME N | --rialzo P')
