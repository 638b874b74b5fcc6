# bash completion for glyphsmith-cli                          -*- shell-script -*-

# One entry per command: its options, then "|", then the extensions of the
# files it takes. A new command is one more line here.
declare -gA _glyphsmith_cli_commands=(
  [info]='|ico|cur'
  [convert]='--depth --adaptive --hotspot --transparent|ico|cur|bmp|pcx'
  [ani]='--interval|ani|cur|ico'
  [list]='|exe|dll|icl|cpl|ocx|scr|ico|cur'
  [extract]='--index|exe|dll|icl|cpl|ocx|scr|ico|cur'
  [acquire]='--rect --depth --adaptive --hotspot --transparent|png|bmp|ico|cur|pcx'
  [xcursor]='--sizes|cur|ico|ani'
  [theme]='--name --sizes|cur|ico|ani'
)

_glyphsmith_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()

  if ((COMP_CWORD == 1)); then
    mapfile -t COMPREPLY < <(compgen -W "${!_glyphsmith_cli_commands[*]} --help" -- "$cur")
    return
  fi

  local entry=${_glyphsmith_cli_commands[${COMP_WORDS[1]}]-}
  [[ -n $entry ]] || return

  # Options that take a value: offer what they accept, or nothing to complete.
  case $prev in
    --depth)
      mapfile -t COMPREPLY < <(compgen -W "1 4 8 24" -- "$cur")
      return ;;
    --hotspot | --transparent | --interval | --index | --rect | --sizes | --name)
      return ;;
  esac

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "${entry%%|*}" -- "$cur")
    return
  fi

  # Files of the command's kinds (lower or upper case) and folders to look into.
  local exts=${entry#*|} restore_extglob=0
  compopt -o filenames 2>/dev/null
  shopt -q extglob || restore_extglob=1
  shopt -s extglob
  mapfile -t COMPREPLY < <(compgen -f -X "!*.@($exts|${exts^^})" -- "$cur"; compgen -d -- "$cur")
  ((restore_extglob)) && shopt -u extglob
}

complete -F _glyphsmith_cli glyphsmith-cli
