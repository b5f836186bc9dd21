# An independent model of the plan's terms, in exact fractions, one row at a
# time: python3 modello_termini.py > piani_banca.txt
from fractions import Fraction as F
import calendar, datetime, math, sys
MESI={'mensile':1,'bimestrale':2,'trimestrale':3,'quadrimestrale':4,'semestrale':6,'annuale':12}
def hu(x): return math.floor(x + F(1,2))
# The due date k periods after the disbursement, a day past the month's end
# moved back to its last.
def scad(da, mesi, k):
    m = da.month - 1 + mesi*k; y = da.year + m//12; m = m%12 + 1
    return datetime.date(y, m, min(da.day, calendar.monthrange(y, m)[1]))
# spez: a broken first period's days and the year's base, paid as row 0.
# gg: (disbursement, base) for each row's interest on its actual days.
def piano(A, n, T, cad, cent=False, equiv=False, ital=False, pre=0, X=0, est=None, spez=None, gg=None):
    mesi=MESI[cad]; A=F(A); X=F(X); T=F(T)
    i = F((1+float(T)/100)**(mesi/12)-1) if equiv else T/100*mesi/12
    sc = 100 if cent else 1
    d = A*sc; Xs = X*sc
    def interesse(d, k=None):
        if gg and k:
            e = d*T/100*(scad(gg[0], mesi, k) - scad(gg[0], mesi, k-1)).days/gg[1]
            return F(hu(e)) if cent else e
        return F(hu(d*i)) if cent else d*i
    def rata(d, m, X):
        if ital: r = d/m
        elif i == 0: r = (d-X)/m
        else:
            v = 1/(1+i); r = (d - X*v**m)*i/(1-v**m)
        return F(hu(r)) if cent else r
    rows=[]; frac=F(0)
    def cut(d, k):
        nonlocal frac
        e = interesse(d, k)
        if cent: return e
        I = F(math.floor(e)); frac += e - I
        if frac > 1: frac -= 1; I += 1
        return I
    if spez:
        e = d*T/100*spez[0]/spez[1]
        if cent: I = F(hu(e))
        else:
            I = F(math.floor(e)); frac += e - I
        rows.append((I, F(0), d))
    for k in range(1, pre+1):
        I = cut(d, k)
        if not cent and not ital and k == pre and frac > F(1,10**6): frac -= 1; I += 1
        rows.append((I, F(0), d))
    R = rata(d, n, Xs)
    N = pre + n; ridotta = False
    first = R + (interesse(d) if ital else 0)
    k = pre
    while k < N:
        k += 1
        I = cut(d, k)
        last = k == N
        if cent:
            C = d if last else min(R if ital else R - I, d)
        elif ital:
            if last: I += frac; frac = F(0); C = d
            else: C = min(R, d)
        else:
            if last and gg: I += frac; frac = F(0); C = d
            elif last and ridotta: C = d
            else:
                rr = R + (Xs if last else 0)
                if last: I = rr - d
                C = rr - I
        d -= C
        rows.append((I, C, d))
        if est and est[0] == k:
            d -= F(est[1])*sc
            left = N - k
            if est[2] == 'rata': R = rata(d, left, 0)
            else:
                N = k + math.ceil(d / R); ridotta = True
    return first/sc, [(a/sc, b/sc, c/sc) for a, b, c in rows]

def riga(args, **kw):
    first, rows = piano(**kw)
    print(args)
    print("rata %.6f" % float(first))
    for k,(I,C,D) in enumerate(rows, 0 if kw.get('spez') else 1):
        print("%d %.6f %.6f %.6f" % (k, float(I), float(C), float(D)))

base=" --data 15/03/2026"
casi = [
 ("--importo 1234,50 --numero-rate 6 --tasso 3 --cadenza mensile --arrotondamento centesimi", dict(A=F(123450,100), n=6, T=3, cad='mensile', cent=True)),
 ("--importo 12000 --numero-rate 12 --tasso 5,25 --cadenza mensile --arrotondamento centesimi --metodo italiano", dict(A=12000, n=12, T=F(525,100), cad='mensile', cent=True, ital=True)),
 ("--importo 12000 --numero-rate 12 --tasso 5,25 --cadenza mensile --metodo italiano", dict(A=12000, n=12, T=F(525,100), cad='mensile', ital=True)),
 ("--importo 50000 --numero-rate 10 --tasso 6,8 --cadenza semestrale --arrotondamento centesimi --tasso-periodo equivalente --preammortamento 2 --maxi-rata 10000", dict(A=50000, n=10, T=F(68,10), cad='semestrale', cent=True, equiv=True, pre=2, X=10000)),
 ("--importo 7777,77 --numero-rate 8 --tasso 9,99 --cadenza trimestrale --arrotondamento centesimi --metodo italiano --tasso-periodo equivalente --preammortamento 3", dict(A=F(777777,100), n=8, T=F(999,100), cad='trimestrale', cent=True, equiv=True, ital=True, pre=3)),
 ("--importo 30000 --numero-rate 7 --tasso 0 --cadenza mensile --arrotondamento centesimi --metodo italiano", dict(A=30000, n=7, T=0, cad='mensile', cent=True, ital=True)),
 ("--importo 10,01 --numero-rate 2 --tasso 0 --cadenza annuale --arrotondamento centesimi", dict(A=F(1001,100), n=2, T=0, cad='annuale', cent=True)),
 ("--importo 9999,99 --numero-rate 20 --tasso 12,5 --cadenza bimestrale --metodo italiano --preammortamento 4", dict(A=F(999999,100), n=20, T=F(125,10), cad='bimestrale', ital=True, pre=4)),
 ("--importo 25000 --numero-rate 15 --tasso 4 --cadenza quadrimestrale --tasso-periodo equivalente --maxi-rata 5000", dict(A=25000, n=15, T=4, cad='quadrimestrale', equiv=True, X=5000)),
 ("--importo 24000 --numero-rate 24 --tasso 6 --cadenza mensile --arrotondamento centesimi --metodo italiano --estinzione 6:6000:rata", dict(A=24000, n=24, T=6, cad='mensile', cent=True, ital=True, est=(6,6000,'rata'))),
 ("--importo 24000 --numero-rate 24 --tasso 6 --cadenza mensile --arrotondamento centesimi --metodo italiano --estinzione 6:6000:durata", dict(A=24000, n=24, T=6, cad='mensile', cent=True, ital=True, est=(6,6000,'durata'))),
 ("--importo 24000 --numero-rate 24 --tasso 6,17 --cadenza mensile --metodo italiano --estinzione 5:5000,5:durata", dict(A=24000, n=24, T=F(617,100), cad='mensile', ital=True, est=(5,F(50005,10),'durata'))),
 ("--importo 20000 --numero-rate 12 --tasso 7,35 --cadenza mensile --arrotondamento centesimi --estinzione 4:3000:rata", dict(A=20000, n=12, T=F(735,100), cad='mensile', cent=True, est=(4,3000,'rata'))),
 # The worked example's loan; then a first due date on 30/04/2026, its
 # period from 30/03/2026, 15 days after the disbursement.
 ("--importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale", dict(A=100000, n=10, T=5, cad='annuale')),
 ("--importo 150000 --numero-rate 24 --tasso 3,5 --cadenza mensile --prima-scadenza 30/04/2026", dict(A=150000, n=24, T=F(35,10), cad='mensile', spez=(15,365))),
 ("--importo 150000 --numero-rate 24 --tasso 3,5 --cadenza mensile --prima-scadenza 30/04/2026 --arrotondamento centesimi --base-giorni 360 --preammortamento 2", dict(A=150000, n=24, T=F(35,10), cad='mensile', cent=True, pre=2, spez=(15,360))),
 # Each row's interest on its actual days: Jan 15 to Feb 15 is 31 days,
 # to Mar 15 28; in units the last row settles the fractions carried.
 ("--importo 100000 --numero-rate 12 --tasso 6 --cadenza mensile --arrotondamento centesimi --interessi-giorni 360 --data 15/01/2026", dict(A=100000, n=12, T=6, cad='mensile', cent=True, gg=(datetime.date(2026,1,15),360))),
 ("--importo 100000 --numero-rate 12 --tasso 6 --cadenza mensile --interessi-giorni 365 --data 31/01/2026", dict(A=100000, n=12, T=6, cad='mensile', gg=(datetime.date(2026,1,31),365))),
]
print("# An independent model's rows for the plan's terms: a case is its")
print("# command line, the first installment, then each row's number, interest,")
print("# capital and debt after it.")
for a, kw in casi:
    riga(a if '--data' in a else a + base, **kw)
