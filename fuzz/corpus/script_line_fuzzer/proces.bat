"<temp>/Producer/rmevents" -i "<temp>/lecture/prednaska.rm" -o "<temp>/out/prednaska.rm" -e event.txt
