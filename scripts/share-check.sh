#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program folder shared the ways schools share it, tried for real with the
# headless drivers (tests/drivers): a local disk, a read-only program folder
# with a writable Controles-Usuarios, a sticky folder used by several
# accounts, a Controles-Usuarios that is a link, a FAT image (fusefat), a
# Samba server on 127.0.0.1 mounted by five smbnetfs clients (five pupils'
# machines) and an sshfs mount of a private sshd.
#
#   bash scripts/share-check.sh BIN_FOLDER DEMO_FOLDER
#
# For each set-up: (a) players finishing together, three of each name in the
# same minute, (b) two editors saving into one bank folder at once, (c) a
# player killed while it writes its report, beside one that is not. One row
# a run: reports (or questions) expected, found, lost, half-written, pupils
# told "Error" (and how many of them had a safe report), hidden temporaries
# left over. Lost: a report a player named (or a question an editor saved
# without a message) that is not there with the bytes written. Half-written:
# a file under a final name that is not whole, or holds another's bytes.
#
# Short by default; SHARE_CHECK_FULL=1 plays 30 players, 2 x 100 questions
# and 5 kills. SHARE_CHECK_ONLY="smb sshfs" runs only the set-ups named.
# Exits 1 when a report or question was lost or half-written or a pupil with
# a safe report was told "Error"; else 77 when a set-up could not be made
# here (each is skipped with its reason, the others run).
set -uo pipefail
bin=$(cd "$1" && pwd)
demo=$(cd "$2" && pwd)

if [ "${SHARE_CHECK_FULL:-0}" = 1 ]; then
    players=30 edits=100 kills=6
else
    players=6 edits=10 kills=3
fi
delays=(2 5 1 8 3 12) # milliseconds, times killScale of the set-up
setups=(${SHARE_CHECK_ONLY:-local readonly sticky linked fat smb sshfs})
clock=2026-03-09T10:05:00

work=$(mktemp -d)
# Other accounts (the players' uids, smbd's guest, sshd) must reach what is inside.
chmod 755 "$work"
mkdir -p "$work/out" "$work/xdg"
export XDG_DATA_HOME=$work/xdg/data XDG_CONFIG_HOME=$work/xdg/config XDG_CACHE_HOME=$work/xdg/cache
export QT_QPA_PLATFORM=offscreen
mounts=()
daemons=()
pids=()
cleanup() {
    local m p
    # Players or editors still running (the run was stopped) hold the mounts.
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    for m in "${mounts[@]}"; do
        fusermount3 -u "$m" 2>/dev/null || fusermount -u "$m" 2>/dev/null || umount -l "$m" 2>/dev/null
    done
    for p in "${daemons[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${daemons[@]}"; do
        # Gone, or a zombie waiting for this shell to reap it.
        for _ in $(seq 50); do ps -o stat= -p "$p" 2>/dev/null | grep -qv Z || break; sleep 0.1; done
        kill -9 "$p" 2>/dev/null
    done
    # A mount that would not go leaves its folder alone: never delete through it.
    for m in "${mounts[@]}"; do mountpoint -q "$m" && { echo "still mounted: $m"; return; }; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mountWait() { for _ in $(seq 100); do mountpoint -q "$1" && return 0; sleep 0.1; done; return 1; }
freePort() {
    local p
    for p in $(seq "$1" $(($1 + 200))); do
        ss -Hltn "sport = :$p" 2>/dev/null | grep -q . || { echo "$p"; return; }
    done
}

# Runs a command as `uid` (0: as we are), with its own home and runtime
# folder, in place of the calling (sub)shell: the pid of `asUser ... &` is
# the program's, to kill.
asUser() {
    local uid=$1; shift
    [ "$uid" = 0 ] && exec "$@"
    local home=$work/home-$uid
    if [ ! -d "$home" ]; then
        mkdir -p "$home/run"
        chown -R "$uid:$uid" "$home"
        chmod 700 "$home/run"
    fi
    exec setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        env HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_DATA_HOME="$home/data" \
            XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" "$@"
}

# A program folder at `1`: the demo without its bank but for one subject
# under a plain name (fusefat takes ASCII names only), and an empty folder
# for the editors.
makeProgramFolder() {
    local to=$1 entry
    mkdir -p "$to" || return 1
    for entry in "$demo"/*; do
        [ "$(basename "$entry")" = Preguntas ] || cp -r "$entry" "$to/" || return 1
    done
    mkdir -p "$to/Preguntas/1r ESO/Mates" "$to/Preguntas/1r ESO/Proves" || return 1
    cp "$demo/Preguntas/1r ESO/Matemàtiques/"*.txt "$to/Preguntas/1r ESO/Mates/"
}
seedLatest='{\rtf1 Primer alumne\par}'

# --- Set-ups. Each sets: machines (the program folder's path as each pupil's
# machine sees it, relative run folder appended), server (the same folder on
# the disk, to count), uids (players' accounts), editorUids, and prepare RUN
# (makes a fresh program folder for one run). It returns 1 with `why` set
# when it cannot be made here.

needRoot() { [ "$(id -u)" = 0 ] || { why="needs root $1"; return 1; }; }
needFuse() {
    [ -r /dev/fuse ] && [ -w /dev/fuse ] || { why="FUSE is not usable here (/dev/fuse)"; return 1; }
}

setup_local() {
    server=$work/local; machines=("$server"); uids=(0); editorUids=(0 0)
    prepare() { makeProgramFolder "$server/$1"; }
}

setup_readonly() {
    needRoot "to play as several accounts" || return 1
    server=$work/readonly; machines=("$server"); uids=(65534 65533 65532); editorUids=(0 0)
    # The bank as the school installs it: root's, readable by all; only the
    # reports folder and an ultimo.rtf the administrator made are writable.
    prepare() {
        makeProgramFolder "$server/$1" || return 1
        printf '%s' "$seedLatest" >"$server/$1/ultimo.rtf"
        chmod -R go-w "$server/$1"
        chmod 777 "$server/$1/Controles-Usuarios"
        chmod 666 "$server/$1/ultimo.rtf"
    }
}

setup_sticky() {
    needRoot "to play as several accounts" || return 1
    server=$work/sticky; machines=("$server"); uids=(65534 65533 65532); editorUids=(65534 65533)
    # Everyone may create, nobody may replace another's file; the first
    # pupil's account (another one) made ultimo.rtf.
    prepare() {
        makeProgramFolder "$server/$1" || return 1
        find "$server/$1" -type d -exec chmod 1777 {} +
        chmod -R a+rX "$server/$1"
        (asUser 65531 sh -c 'umask 022; printf "%s" "$1" >"$2"' sh "$seedLatest" "$server/$1/ultimo.rtf")
    }
}

setup_linked() {
    server=$work/linked; machines=("$server"); uids=(0); editorUids=(0 0)
    # Controles-Usuarios points to a folder elsewhere, as a school links it to
    # another disk.
    prepare() {
        makeProgramFolder "$server/$1" || return 1
        mkdir -p "$work/linked-reports/$1"
        rmdir "$server/$1/Controles-Usuarios" 2>/dev/null || rm -rf "$server/$1/Controles-Usuarios"
        ln -s "$work/linked-reports/$1" "$server/$1/Controles-Usuarios"
    }
}

setup_fat() {
    command -v mkfs.fat >/dev/null || { why="mkfs.fat (dosfstools) is not installed"; return 1; }
    local stick=$work/stick
    truncate -s 128M "$work/fat.img"
    mkfs.fat -F 32 -n BRENLOQ "$work/fat.img" >/dev/null || { why="mkfs.fat could not make the image"; return 1; }
    mkdir -p "$stick"
    server=$stick; machines=("$stick"); uids=(0); editorUids=(0 0); killScale=3
    # The kernel's FAT driver where it can be had (root, a loop device, vfat
    # in the kernel), as a stick in a pupil's machine is mounted.
    if [ "$(id -u)" = 0 ] && mount -t vfat -o loop "$work/fat.img" "$stick" 2>/dev/null; then
        mounts+=("$stick")
        echo "    fat: the image mounted by the kernel's FAT driver"
    else
        needFuse || return 1
        command -v fusefat >/dev/null || { why="fusefat is not installed"; return 1; }
        fusefat -s -o rw+ "$work/fat.img" "$stick" >/dev/null 2>&1 || { why="fusefat could not mount the image"; return 1; }
        mounts+=("$stick")
        mountWait "$stick" || { why="the image did not mount"; return 1; }
        # fusefat hands two processes reading one file at once wrong bytes
        # now and then, with no kit involved: two `cmp` of a question file
        # `cp` had just written differ about once in fifty (NULs), with -s or
        # without, direct_io or not, and the file reads whole afterwards. So
        # here players read the bank one after another and only their
        # reports are written together.
        staggered=1
        echo "    fat: the image mounted by fusefat (no kernel FAT driver here); players start one by one"
    fi
    prepare() { makeProgramFolder "$server/$1"; }
}

setup_smb() {
    needRoot "to give the share to smbd's guest account" || return 1
    needFuse || return 1
    local tool
    for tool in smbd smbnetfs; do
        command -v "$tool" >/dev/null || { why="$tool is not installed"; return 1; }
    done
    local s=$work/samba port
    port=$(freePort 4450)
    [ -n "$port" ] || { why="no free port for smbd"; return 1; }
    mkdir -p "$s"/{private,lock,state,cache,pid,log,ncalrpc} "$s/share"
    chmod 777 "$s/share"
    # A server of its own: every path in the temporary folder, guests mapped
    # to nobody, on 127.0.0.1 only.
    cat >"$s/smb.conf" <<EOF
[global]
  netbios name = BRENLOQSRV
  workgroup = ESCOLA
  server role = standalone server
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = $port
  disable netbios = yes
  private dir = $s/private
  lock directory = $s/lock
  state directory = $s/state
  cache directory = $s/cache
  pid directory = $s/pid
  ncalrpc dir = $s/ncalrpc
  log file = $s/log/%m.log
  passdb backend = tdbsam:$s/private/passdb.tdb
  map to guest = Bad User
  guest account = nobody
  load printers = no
  disable spoolss = yes
  server min protocol = SMB2
[escola]
  path = $s/share
  read only = no
  guest ok = yes
  guest only = yes
  create mask = 0666
  directory mask = 0777
EOF
    # In a session of its own: smbd stopping signals its whole process group.
    setsid smbd --foreground --no-process-group -s "$s/smb.conf" >"$s/smbd.out" 2>&1 &
    daemons+=($!)
    local up=0
    for _ in $(seq 100); do
        ss -Hltn "sport = :$port" 2>/dev/null | grep -q . && { up=1; break; }
        kill -0 "${daemons[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    [ $up = 1 ] || { why="smbd did not start: $(tail -3 "$s/smbd.out" | tr '\n' ' ')"; return 1; }
    # Five pupils' machines: five smbnetfs mounts, each with its own settings.
    machines=()
    local i c m
    for i in 1 2 3 4 5; do
        c=$s/client$i m=$s/mount$i
        mkdir -p "$c/.smb" "$m"
        printf '[global]\n  workgroup = ESCOLA\n  client min protocol = SMB2\n' >"$c/.smb/smb.conf"
        printf 'auth "guest" ""\nsmb_query_browsers false\n' >"$c/.smb/smbnetfs.conf"
        chmod 600 "$c/.smb/smbnetfs.conf"
        HOME=$c smbnetfs "$m" -o "config=$c/.smb/smbnetfs.conf,log_file=$c/smbnetfs.log" >"$c/out" 2>&1 \
            || { why="smbnetfs could not mount: $(tail -2 "$c/out" | tr '\n' ' ')"; return 1; }
        mounts+=("$m")
        mountWait "$m" || { why="smbnetfs did not mount"; return 1; }
        machines+=("$m/127.0.0.1:$port/escola")
    done
    ls "${machines[0]}" >/dev/null 2>&1 || { why="the share cannot be listed through smbnetfs: $(tail -2 "$s/client1/smbnetfs.log" | tr '\n' ' ')"; return 1; }
    server=$s/share; uids=(0); editorUids=(0 0); killScale=8
    prepare() {
        makeProgramFolder "$server/$1" || return 1
        chown -R nobody "$server/$1"
        chmod -R a+rwX "$server/$1"
    }
}

setup_sshfs() {
    needRoot "to start sshd as another account" || return 1
    needFuse || return 1
    local tool
    for tool in sshd sshfs ssh-keygen; do
        command -v "$tool" >/dev/null || { why="$tool is not installed"; return 1; }
    done
    local s=$work/ssh port
    port=$(freePort 2230)
    [ -n "$port" ] || { why="no free port for sshd"; return 1; }
    mkdir -p "$s/server" "$s/share"
    ssh-keygen -q -t ed25519 -N '' -f "$s/server/host" || { why="ssh-keygen failed"; return 1; }
    ssh-keygen -q -t ed25519 -N '' -f "$s/client" || { why="ssh-keygen failed"; return 1; }
    cp "$s/client.pub" "$s/server/authorized"
    # sshd runs as nobody: as root it would need /run/sshd, a system folder.
    # PAM lets nobody (no password) in; the share's files are nobody's.
    cat >"$s/server/sshd_config" <<EOF
Port $port
ListenAddress 127.0.0.1
HostKey $s/server/host
AuthorizedKeysFile $s/server/authorized
PidFile $s/server/sshd.pid
PasswordAuthentication no
KbdInteractiveAuthentication no
UsePAM yes
PrintMotd no
StrictModes no
AllowUsers nobody
Subsystem sftp internal-sftp
EOF
    chown -R nobody "$s/server" "$s/share"
    setsid setpriv --reuid=65534 --regid=65534 --clear-groups "$(command -v sshd)" -D -e -f "$s/server/sshd_config" \
        >"$s/sshd.log" 2>&1 &
    daemons+=($!)
    local up=0
    for _ in $(seq 50); do
        grep -qs "Server listening" "$s/sshd.log" && { up=1; break; }
        kill -0 "${daemons[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    [ $up = 1 ] || { why="sshd did not start: $(tail -2 "$s/sshd.log" | tr '\n' ' ')"; return 1; }
    : >"$s/known_hosts"
    printf 'Host *\n' >"$s/ssh_config"
    machines=()
    local i m
    for i in 1 2 3; do
        m=$s/mount$i
        mkdir -p "$m"
        timeout 30 sshfs -p "$port" -F "$s/ssh_config" \
            -o "IdentityFile=$s/client,StrictHostKeyChecking=no,UserKnownHostsFile=$s/known_hosts,BatchMode=yes" \
            "nobody@127.0.0.1:$s/share" "$m" >"$s/sshfs$i.out" 2>&1 \
            || { why="sshfs could not mount: $(tail -2 "$s/sshfs$i.out" "$s/sshd.log" | tr '\n' ' ')"; return 1; }
        mounts+=("$m")
        mountWait "$m" || { why="sshfs did not mount"; return 1; }
        machines+=("$m")
    done
    server=$s/share; uids=(0); editorUids=(0 0); killScale=8
    prepare() {
        makeProgramFolder "$server/$1" || return 1
        chown -R nobody "$server/$1"
    }
}

# --- Counting.

# Whether a file is one whole RTF document of one pupil: the pupil's name
# (from its file name) first, nobody else's name in it.
wholeReportOf() {
    local file=$1 pupil=$2 bytes
    bytes=$(cat "$file" 2>/dev/null) || return 1
    [[ $bytes == '{\rtf1'* ]] || return 1
    [[ $(printf '%s' "$bytes" | tr -d ' \r\n') == *'}' ]] || return 1
    [ "$(printf '%s' "$bytes" | tr -cd '{' | wc -c)" = "$(printf '%s' "$bytes" | tr -cd '}' | wc -c)" ] || return 1
    [ "$(printf '%s' "$bytes" | grep -o '{\\rtf1' | wc -l)" = 1 ] || return 1
    [ -z "$pupil" ] && return 0
    grep -qF "$pupil" "$file" || return 1
    ! grep -o 'Alumne [A-Z]*[0-9]* Perez' "$file" | grep -vqxF "$pupil"
}
sha() { sha1sum "$1" 2>/dev/null | cut -d' ' -f1; }
leftovers() { find "$1" -name '.*' ! -name .gitkeep ! -name . 2>/dev/null | wc -l; }

failed=0
rows=()
row() {
    details=0
    rows+=("$(printf '%-9s %-8s %8s %6s %7s %5s %5s %6s %6s %9s' "$@")")
    echo "${rows[-1]}"
}
# A line under the row to come; only the first few of a run's.
details=0
detail() {
    details=$((details + 1))
    [ $details -le 8 ] && echo "    $*"
    [ $details = 9 ] && echo "    ..."
}

# Counts the reports of the players whose outputs are $work/out/RUN-*.out
# (killed ones excluded) in `folder`, and checks ultimo.rtf in `program`.
countReports() {
    local name=$1 label=$2 run=$3 program=$4 reports=$5 killedPattern=${6:-}
    local expected=0 found=0 pending=0 lost=0 half=0 errors=0 falseAlarms=0 out report digest pupil file kept
    declare -A claimed=() known=()
    known[$(printf '%s' "$seedLatest" | sha1sum | cut -d' ' -f1)]=1
    for out in "$work/out/$run"-*.out; do
        [ -n "$killedPattern" ] && [[ $out == $killedPattern ]] && continue
        expected=$((expected + 1))
        report=$(sed -n 's/^report: //p' "$out" | head -1)
        digest=$(sed -n 's/^report-sha1: //p' "$out" | head -1)
        kept=$(sed -n 's/^pending: //p' "$out" | head -1)
        [ -n "$digest" ] && known[$digest]=1
        local safe=0
        if [ -n "$report" ] && [ -z "${claimed[$report]:-}" ] && [ "$(sha "$reports/$report")" = "$digest" ]; then
            safe=1
            claimed[$report]=1
        fi
        # Kept in the pupil's own pending folder, whole: not lost, and not
        # in the reports folder either.
        if [ $safe = 0 ] && [ -n "$kept" ] && [ "$(sha "$kept")" = "$digest" ]; then
            safe=1
            pending=$((pending + 1))
        elif [ $safe = 1 ]; then found=$((found + 1)); else
            lost=$((lost + 1))
            detail "lost: $(basename "$out" .out) ${report:-(no report named)} $(grep -E '^(message|autoplay):' "$out" | tr '\n' ' ')"
        fi
        if grep -qx 'message: Error' "$out"; then
            errors=$((errors + 1))
            [ $safe = 1 ] && falseAlarms=$((falseAlarms + 1))
        fi
    done
    # Every file under a final name: a player's bytes, or (a killed player's)
    # one whole report of the pupil it is named after.
    while IFS= read -r -d '' file; do
        local base=${file##*/} d
        d=$(sha "$file")
        [ -n "${known[$d]:-}" ] && continue
        pupil=$(sed -n 's/^\(Alumne [A-Z]*[0-9]* Perez\) --.*/\1/p' <<<"$base")
        if [ -n "$killedPattern" ] && [ -n "$pupil" ] && wholeReportOf "$file" "$pupil"; then continue; fi
        half=$((half + 1))
        detail "half-written: $base ($(stat -c %s "$file") bytes)"
    done < <(find "$reports/" -maxdepth 1 -type f ! -name '.*' -print0 2>/dev/null)
    if [ -e "$program/ultimo.rtf" ]; then
        d=$(sha "$program/ultimo.rtf")
        if [ -z "${known[$d]:-}" ] && ! { [ -n "$killedPattern" ] && wholeReportOf "$program/ultimo.rtf" ""; }; then
            half=$((half + 1))
            detail "half-written: ultimo.rtf ($(stat -c %s "$program/ultimo.rtf") bytes)"
        fi
    fi
    local left
    left=$(leftovers "$program")
    [ -L "$program/Controles-Usuarios" ] && left=$((left + $(leftovers "$reports/")))
    row "$name" "$label" "$expected" "$found" "$pending" "$lost" "$half" "$errors" "$falseAlarms" "$left"
    [ $lost = 0 ] && [ $half = 0 ] && [ $falseAlarms = 0 ] || failed=1
}

# Starts players (one a line of "TAG PUPIL SEED" on stdin, spaces in the
# pupil's name written as _), waits until each is ready or gone, then lets
# them all finish at once (unless told "hold": the caller says go). Their
# outputs go to $work/out/TAG.out.
untilReady() {
    for _ in $(seq 3000); do
        grep -q '^ready' "$work/out/$1.out" 2>/dev/null || ! kill -0 "$2" 2>/dev/null && return
        sleep 0.1
    done
}

startPlayers() {
    local run=$1 go=$2 tag pupil seed n=0 i
    pids=() tags=()
    while read -r tag pupil seed; do
        local uid=${uids[$((n % ${#uids[@]}))]}
        local folder=${machines[$((n % ${#machines[@]}))]}/$run
        asUser "$uid" "$bin/autoplay" "$folder" "${pupil//_/ }" --course "1r ESO" --subject Mates \
            --questions 2 --clock "$clock" --seed "$seed" --wait-for "$go" \
            >"$work/out/$tag.out" 2>&1 &
        pids+=($!) tags+=("$tag")
        n=$((n + 1))
        [ "$staggered" = 1 ] && untilReady "$tag" "${pids[-1]}"
    done
    for _ in $(seq 3000); do
        local waiting=0
        for i in "${!pids[@]}"; do
            grep -q '^ready' "$work/out/${tags[$i]}.out" 2>/dev/null || ! kill -0 "${pids[$i]}" 2>/dev/null || waiting=1
        done
        [ $waiting = 0 ] && break
        sleep 0.1
    done
    [ "${3:-}" = hold ] || touch "$go"
}

runPlayers() {
    local name=$1 run=a i
    prepare $run || { detail "could not make the program folder"; failed=1; return; }
    local groups=$((players / 3))
    startPlayers $run "$work/go-$name-$run" < <(for i in $(seq 0 $((players - 1))); do
        echo "$run-$i Alumne_$((i % groups + 1))_Perez $((i + 1))"
    done)
    for i in "${pids[@]}"; do wait "$i"; done
    countReports "$name" "players" $run "$server/$run" "$server/$run/Controles-Usuarios"
}

runKills() {
    local name=$1 run=c r
    prepare $run || { detail "could not make the program folder"; failed=1; return; }
    # Each round a pupil who finishes and one killed a few milliseconds after
    # the release, while it writes its report.
    # Waiting without a process of its own, so that the kill comes as many
    # milliseconds after "go" as asked.
    local sleeper go delay
    exec {sleeper}<> <(:)
    for r in $(seq 1 "$kills"); do
        go=$work/go-$name-$run-$r
        startPlayers "$run" "$go" hold \
            < <(printf '%s\n' "$run-s$r Alumne_S${r}_Perez $r" "$run-k$r Alumne_K${r}_Perez $((r + 50))")
        # A local write takes a few milliseconds, one over the network tens.
        delay=$(printf '0.%03d' $((${delays[$(((r - 1) % ${#delays[@]}))]} * killScale)))
        : >"$go"
        read -r -t "$delay" -u "$sleeper"
        kill -9 "${pids[1]}" 2>/dev/null
        wait "${pids[0]}" "${pids[1]}" 2>/dev/null
    done
    exec {sleeper}<&-
    local there
    there=$(find "$server/$run/Controles-Usuarios/" -maxdepth 1 -name 'Alumne K* Perez*' | wc -l)
    detail "killed ${delays[*]:0:$kills} ms (x$killScale) after go: $there of $kills killed players' reports there (left alone if whole)"
    countReports "$name" "killed" $run "$server/$run" "$server/$run/Controles-Usuarios" "*-k[0-9]*.out"
}

# Whether a question file reads back as one the editors wrote: a written
# answer question, statement TAG+number, answer "x", every line whole.
questionStatement() {
    local text
    text=$(tr -d '\r' <"$1") || return 1
    [ "$(tail -c 2 "$1" | od -An -c | tr -d ' ')" = '\r\n' ] || return 1
    [ "$(wc -l <<<"$text")" = "$questionLines" ] || return 1
    local statement answer
    statement=$(sed -n "${statementLine}p" <<<"$text")
    answer=$(sed -n "${answerLine}p" <<<"$text")
    [ "$answer" = x ] && [[ $statement =~ ^[AB][0-9]+$ ]] || return 1
    echo "$statement"
}

runEditors() {
    local name=$1 run=b tag i
    prepare $run || { detail "could not make the program folder"; failed=1; return; }
    local go=$work/go-$name-$run
    pids=()
    i=0
    for tag in A B; do
        local folder=${machines[$((i % ${#machines[@]}))]}/$run
        asUser "${editorUids[$i]}" "$bin/autoedit" "$folder" "Preguntas/1r ESO/Proves" "$edits" "$tag" \
            --wait-for "$go" >"$work/out/$run-$tag.out" 2>&1 &
        pids+=($!)
        i=$((i + 1))
    done
    for _ in $(seq 3000); do
        grep -q '^ready' "$work/out/$run-A.out" || ! kill -0 "${pids[0]}" 2>/dev/null || { sleep 0.1; continue; }
        grep -q '^ready' "$work/out/$run-B.out" || ! kill -0 "${pids[1]}" 2>/dev/null || { sleep 0.1; continue; }
        break
    done
    touch "$go"
    local status=()
    for i in "${pids[@]}"; do wait "$i"; status+=($?); done

    local bank=$server/$run/Preguntas/1r\ ESO/Proves found=0 lost=0 half=0 errors=0 believed file s
    declare -A seen=()
    while IFS= read -r -d '' file; do
        if s=$(questionStatement "$file"); then
            [ -n "${seen[$s]:-}" ] || found=$((found + 1))
            seen[$s]=1
        else
            half=$((half + 1))
            detail "half-written: ${file##*/}: $(od -An -c "$file" | tr -s ' \n' ' ' | head -c 100)"
        fi
    done < <(find "$bank/" -maxdepth 1 -type f ! -name '.*' -print0)
    i=0
    for tag in A B; do
        # An editor stopped by a message saved the questions before it.
        believed=$edits
        if [ "${status[$i]}" != 0 ]; then
            errors=$((errors + 1))
            believed=$(sed -n 's/^autoedit: question \([0-9]*\):.*/\1/p' "$work/out/$run-$tag.out" | head -1)
            believed=${believed:-0}
            detail "editor $tag stopped: $(grep -v '^ready' "$work/out/$run-$tag.out" | head -1)"
        fi
        for n in $(seq 0 $((believed - 1))); do
            [ -n "${seen[$tag$n]:-}" ] || { lost=$((lost + 1)); detail "lost: question $tag$n"; }
        done
        i=$((i + 1))
    done
    row "$name" "editors" "$((2 * edits))" "$found" "-" "$lost" "$half" "$errors" "-" "$(leftovers "$server/$run")"
    [ $lost = 0 ] && [ $half = 0 ] || failed=1
}

# The layout of a saved question, learnt from one save on the local disk.
learnQuestionLayout() {
    local probe=$work/probe
    makeProgramFolder "$probe" || return 1
    "$bin/autoedit" "$probe" "Preguntas/1r ESO/Proves" 1 PROBE >"$work/out/probe.out" 2>&1 || return 1
    local text
    text=$(tr -d '\r' <"$probe/Preguntas/1r ESO/Proves/1.txt") || return 1
    questionLines=$(wc -l <<<"$text")
    statementLine=$(grep -nx 'PROBE0' <<<"$text" | cut -d: -f1)
    answerLine=$(grep -nx 'x' <<<"$text" | head -1 | cut -d: -f1)
    [ -n "$statementLine" ] && [ -n "$answerLine" ]
}

[ -x "$bin/autoplay" ] && [ -x "$bin/autoedit" ] || { echo "build the autoplay and autoedit targets"; exit 1; }
learnQuestionLayout || { echo "FAILED: the editor could not save a question on the local disk: $(cat "$work/out/probe.out")"; exit 1; }

echo "players $players, questions 2 x $edits, kills $kills"
row "set-up" "run" "expected" "found" "pending" "lost" "half" "Error" "safe+E" "leftovers"
made=0
skipped=()
for name in "${setups[@]}"; do
    why=
    killScale=1
    staggered=0
    start=$SECONDS
    if ! "setup_$name"; then
        skipped+=("$name: $why")
        echo "SKIPPED $name: $why"
        continue
    fi
    made=$((made + 1))
    runPlayers "$name"
    runEditors "$name"
    runKills "$name"
    echo "    $name took $((SECONDS - start)) s"
done

echo
echo "Columns: reports (questions for editors) expected, found whole with the bytes written,"
echo "kept whole in the pupil's own pending folder (the reports folder refused them), lost,"
echo "half-written files under final names (ultimo.rtf included), pupils (editors) told \"Error\","
echo "of them with a safe report (safe+E), hidden temporaries left in the program folder."
for r in "${rows[@]}"; do echo "$r"; done
for s in "${skipped[@]}"; do echo "skipped $s"; done
[ $failed = 0 ] || { echo "FAILED"; exit 1; }
[ $made = 0 ] && { echo "SKIPPED: no set-up could be made here"; exit 77; }
[ ${#skipped[@]} = 0 ] || { echo "SKIPPED: ${#skipped[@]} set-ups could not be made here (the others passed)"; exit 77; }
echo "PASSED"
