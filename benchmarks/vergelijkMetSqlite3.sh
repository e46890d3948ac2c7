#!/usr/bin/env bash
# The list's statements in the sqlite3 command-line tool, on a seeded project
# of kern_benchmark, read-only: each seven times with its output to
# /dev/null, the fastest and the middle time in milliseconds. Beside them a
# thousand pages of 50 rows in one call of the tool, timed whole, the list
# index made anew in one transaction on a copy of the file, and where the time
# of a large commit goes, on the same copy.
# Needs sqlite3 (Debian: sqlite3), python3 and /usr/bin/time.
#   benchmarks/vergelijkMetSqlite3.sh [project file]
set -eu
bestand=${1:-/tmp/vt-bench/project_100000_2048.vtd}
[ -f "$bestand" ] || { echo "no project $bestand: run kern_benchmark with VT_BENCH_MAP first" >&2; exit 2; }

# The values as the program reads them: the low 32 bits, and a status no
# level has counted as the lowest.
G='(prioriteit&4294967295)*(totaleKosten&4294967295)'
S='(case when (status&4294967295) between 0 and 4 then status&4294967295 else 0 end)'
W="100.0*(1+$S)*$G"
F="100.0*(4-$S)*$G"

# The condition the program builds for a search text: every column, with like.
zoekVoorwaarde() {
    local term=$1 voorwaarde= kolom
    for kolom in $(sqlite3 -readonly "$bestand" "select name from pragma_table_info('Requirements')"); do
        voorwaarde+="${voorwaarde:+ or }\"$kolom\" like '%$term%'"
    done
    echo "$voorwaarde"
}

# Seven runs of one statement: the fastest and the middle real time, in ms.
meet() {
    local naam=$1 sql=$2
    (echo ".output /dev/null"; echo ".timer on"; for i in 1 2 3 4 5 6 7; do echo "$sql;"; done) |
        sqlite3 -readonly "$bestand" | grep "Run Time" | awk '{print $4}' | sort -n |
        awk -v naam="$naam" '{t[NR]=$1*1000} END {printf "%-52s fastest %7.1f ms   middle %7.1f ms\n", naam, t[1], t[4]}'
}

naald=$(zoekVoorwaarde needle)
n=$(zoekVoorwaarde n)
meet "selection, no search text (the program's statement)" \
    "select rowid,SR,totaleKosten,$G,$W from Requirements where prioriteit>=1 order by SR"
meet "best plain SQL: the numbers in list order" "select SR from Requirements where prioriteit>=1 order by SR"
meet "best plain SQL: the four figures" \
    "select count(*),total(totaleKosten),total($G),total($W) from Requirements where prioriteit>=1"
meet "selection with the search text \"needle\"" \
    "select rowid,SR,totaleKosten,$G,$W from Requirements not indexed where ($naald) and prioriteit>=1"
meet "one scan of the searched columns, \"needle\"" "select count(*) from Requirements where $naald"
meet "one scan of the searched columns, \"n\"" "select count(*) from Requirements where $n"
meet "the project's figures" "select count(*),total(totaleKosten) from Requirements"
meet "the people" "select distinct auteur as a from Requirements where auteur is not null union
    select distinct aftekenaar as a from Requirements where aftekenaar is not null union
    select distinct implementatieIngenieur as a from Requirements where implementatieIngenieur is not null union
    select distinct testIngenieur as a from Requirements where testIngenieur is not null order by a asc"

# A thousand pages of 50 random row ids, with the 14 places left NULL, as
# the program's page statement reads them.
aantal=$(sqlite3 -readonly "$bestand" "select max(rowid) from Requirements")
paginas=$(mktemp)
trap 'rm -f "$paginas"' EXIT
python3 - "$aantal" "$W" "$F" >"$paginas" <<'EOF'
import random, sys
aantal, w, f = int(sys.argv[1]), sys.argv[2], sys.argv[3]
random.seed(11)
print(".output /dev/null")
for _ in range(1000):
    plaatsen = [str(random.randint(1, aantal)) for _ in range(50)] + ["null"] * 14
    print(f"select {w},{f},naam,datum,auteur,SR,prioriteit,totaleKosten,implementatieIngenieur,testIngenieur,"
          f"status,rowid from Requirements where rowid in ({','.join(plaatsen)});")
EOF
for ronde in 1 2 3; do
    /usr/bin/time -f "1,000 pages of 50 rows, one call of the tool: %e s" sqlite3 -readonly "$bestand" <"$paginas" 2>&1
done

# The list index dropped and made anew in one transaction, on a copy.
kopie=$(mktemp --suffix=.vtd)
trap 'rm -f "$paginas" "$kopie" "$kopie-wal" "$kopie-shm"' EXIT
cp "$bestand" "$kopie"
maak=$(sqlite3 -readonly "$bestand" "select sql from sqlite_master where name=='RequirementsLijst'")
(echo ".timer on"; echo "begin;"; echo "drop index RequirementsLijst;"; echo "$maak;"; echo "commit;") |
    sqlite3 "$kopie" | grep "Run Time" | awk '{s+=$4} END {printf "the list index made anew in one transaction: %.2f s\n", s}'

# Where the time of a large commit goes, on the copy: every number shifted in
# one transaction, synchronous as the program has it; the commit with the
# automatic checkpoint left out (the log written and synced), then that
# checkpoint alone (the log's pages copied into the file, which is synced).
(echo "pragma synchronous=full;"; echo "pragma wal_autocheckpoint=0;"; echo "begin immediate;"
 echo "update Requirements set SR=SR+1000000000;"; echo "update Requirements set SR=SR-1000000000;"
 echo ".timer on"; echo "commit;"; echo "pragma wal_checkpoint;") |
    sqlite3 "$kopie" | grep "Run Time" |
    awk 'NR==1 {printf "the commit of every number shifted, without its checkpoint: %.2f s\n", $4}
         NR==2 {printf "the checkpoint of that commit: %.2f s\n", $4}'
