#!/usr/bin/env bash
# The command line's outputs against files checked by hand once (the engine's tests check such plans' rows against the
# models in dati/): a failure shows the lines that differ. Rows: the file, then the arguments (--csv - for the CSV).
set -u
cli=$1 dati=$2 falliti=0
while read -r file argomenti; do
    diff -u --label atteso --label ottenuto "$dati/$file" <("$cli" $argomenti) || falliti=1
done <<'RIGHE'
esempio_annuale.txt --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006
esempio_annuale.csv --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006 --csv -
esempio_per_anno.txt --importo 100000 --numero-rate 10 --tasso 5 --cadenza annuale --data 06/04/2006 --per-anno
costi_e_detrazione.txt --importo 150000 --numero-rate 300 --tasso 3,5 --cadenza mensile --data 15/03/2026 --spese-iniziali 1500 --imposta-sostitutiva 0,25 --spese-rata 2,50 --taeg --detrazione
scenario_mensile.txt --importo 150000 --numero-rate 240 --tasso 3,75 --cadenza mensile --data 15/03/2026 --estinzione 60:20000:durata --variazione 120:5,5 --penale 0,5
sospensione_rata.txt --importo 150000 --numero-rate 240 --tasso 3,75 --cadenza mensile --data 15/03/2026 --sospensione 24:6:rata
sospensione_per_anno.txt --importo 150000 --numero-rate 240 --tasso 3,75 --cadenza mensile --data 15/03/2026 --sospensione 24:6:rata --per-anno
sospensione_capitale.csv --importo 30000 --numero-rate 36 --tasso 4 --cadenza mensile --data 15/03/2026 --sospensione 12:3 --estinzione 20:5000 --csv -
estremi.txt --importo 999999999 --numero-rate 24 --tasso 99 --cadenza semestrale --data 31/08/2030
italiano_centesimi.txt --importo 24000 --numero-rate 24 --tasso 6 --cadenza mensile --data 15/03/2026 --arrotondamento centesimi --metodo italiano --estinzione 6:6000:durata
estremi_centesimi.txt --importo 999999999 --numero-rate 24 --tasso 99 --cadenza semestrale --data 31/08/2030 --arrotondamento centesimi
centesimi_per_anno.txt --importo 0,05 --numero-rate 7 --tasso 0 --cadenza bimestrale --data 31/10/2026 --per-anno
RIGHE
[ "$falliti" = 0 ] && echo "uscite uguali ai file di riferimento"
exit "$falliti"
